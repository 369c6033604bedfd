#pragma once
// The undo history of the main window: one step per user action (a key, a
// menu command, a dialog's OK, a paste), each holding only the changes the
// document reported while it was open.

#include "model/DocumentChange.h"

#include <QString>
#include <QUndoStack>
#include <cstdint>

namespace sorn {

// Where the cursor stood when a step was taken; undo and redo go back there
// so the user sees what changed.
struct EditPlace {
    std::uint8_t part = 0;
    std::int32_t scroll = 0;
    std::int16_t column = 0;
};

class EditHistory : public ChangeJournal {
public:
    explicit EditHistory(SornData& doc);
    ~EditHistory() override;
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // One user action. The edit routines tell through `modified` that an
    // action marks the score even when it changed nothing (a refused
    // structural command); such an action still becomes a step. When the
    // step ends, `modified` says whether the score differs from the state
    // last saved or opened. Steps opened inside a step belong to it.
    class Step {
    public:
        Step(EditHistory& history, const QString& label, bool& modified, EditPlace place);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        EditHistory& history_;
        bool& modified_;
        bool before_;
        bool outermost_;
        QString label_;
        EditPlace place_;
    };

    // Take back or make again one step; false when there is none. The place
    // is where that step was taken.
    bool Undo(EditPlace& place);
    bool Redo(EditPlace& place);
    // New and Open: nothing to undo, and the score is as on disk.
    void Clear();
    // A successful save: this state is the one on disk.
    void SetClean();
    bool IsClean() const { return stack_.isClean(); }

    QUndoStack& Stack() { return stack_; }
    // Changes the document reported; with StrayChanges() == 0 every change
    // was made inside a step.
    std::int64_t RecordedChanges() const { return recorded_; }
    std::int64_t StrayChanges() const { return stray_; }

    void Record(DocumentChange&& change) override;
    // Told of every change as it is made, taken back or made again.
    void SetObserver(ChangeObserver* observer) { observer_ = observer; }

private:
    void Push(const QString& label, ChangeSet&& changes, EditPlace place);

    SornData& doc_;
    QUndoStack stack_;
    ChangeSet open_;
    bool stepOpen_ = false;
    std::int64_t recorded_ = 0;
    std::int64_t stray_ = 0;
    ChangeObserver* observer_ = nullptr;
};

} // namespace sorn
