#pragma once
// The one question at start-up about recovery copies left behind: the list
// of them, the one to restore, and whether the others are kept.

#include <QDialog>
#include <QString>
#include <vector>

class QCheckBox;
class QPushButton;
class QTreeWidget;

namespace sorn {

class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    struct Row {
        QString file; // as shown
        QString written;
        bool incomplete = false;
    };
    enum class Answer { Keep, Restore, DeleteAll };

    RecoveryDialog(QWidget* parent, const std::vector<Row>& rows);

    Answer Chosen() const { return answer_; }
    int ChosenRow() const;
    bool DeleteOthers() const;

    QTreeWidget* List;
    QCheckBox* DeleteOthersBox;
    QPushButton* RestoreButton;
    QPushButton* DeleteAllButton;
    QPushButton* KeepButton;

private:
    Answer answer_ = Answer::Keep;
};

} // namespace sorn
