#pragma once
// A status bar of sunken text panels addressed by number, counted from 1.

#include <QFont>
#include <QString>
#include <QWidget>
#include <vector>

namespace sorn {

class PanelBar : public QWidget {
    Q_OBJECT
public:
    struct Panel {
        QString text;
        int minimumWidth = 0; // the panel also grows to fit its text
        bool spring = false;  // takes the width the others leave
    };

    explicit PanelBar(std::vector<Panel> panels, QWidget* parent = nullptr);

    int PanelCount() const { return static_cast<int>(panels_.size()); }
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);
    // x range of a panel, for placing a widget over it.
    QRect PanelRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QRect> Layout() const;
    int TextWidth(std::size_t i) const;
    std::vector<Panel> panels_;
    // Measuring a text shapes it, the most of a panel's cost at every key:
    // each text is measured once, and again when the font changes.
    mutable std::vector<int> textWidths_;
    mutable QFont measuredFont_;
};

} // namespace sorn
