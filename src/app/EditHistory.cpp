#include "app/EditHistory.h"

#include <QCoreApplication>
#include <QUndoCommand>
#include <utility>

namespace sorn {

namespace {

class EditCommand : public QUndoCommand {
public:
    EditCommand(SornData& doc, ChangeObserver* const& observer, const QString& label,
                ChangeSet&& changes, EditPlace place)
        : QUndoCommand(label), doc_(doc), observer_(observer), changes_(std::move(changes)),
          place_(place) {
        changes_.Shrink();
    }
    // The stack makes a new command by calling redo(); the edit has been
    // made already by then.
    void redo() override {
        if (std::exchange(made_, true)) changes_.Redo(doc_, observer_);
    }
    void undo() override { changes_.Undo(doc_, observer_); }

    EditPlace Place() const { return place_; }

private:
    SornData& doc_;
    // The history's, as it is when the step is taken back or made again.
    ChangeObserver* const& observer_;
    ChangeSet changes_;
    EditPlace place_;
    bool made_ = false;
};

} // namespace

EditHistory::EditHistory(SornData& doc) : doc_(doc) {
    doc_.SetJournal(this);
}

EditHistory::~EditHistory() {
    doc_.SetJournal(nullptr);
}

EditHistory::Step::Step(EditHistory& history, const QString& label, bool& modified, EditPlace place)
    : history_(history), modified_(modified), before_(modified), outermost_(!history.stepOpen_) {
    if (!outermost_) return;
    history_.stepOpen_ = true;
    modified_ = false;
    label_ = label;
    place_ = place;
}

EditHistory::Step::~Step() {
    if (!outermost_) return;
    history_.stepOpen_ = false;
    if (history_.open_.Empty() && !modified_) {
        modified_ = before_;
        return;
    }
    history_.Push(label_, std::exchange(history_.open_, {}), place_);
    modified_ = !history_.IsClean();
}

void EditHistory::Record(DocumentChange&& change) {
    ++recorded_;
    if (observer_) observer_->Changing(change, false);
    if (stepOpen_) {
        open_.Add(std::move(change));
        return;
    }
    // A change outside any step is a fault of its caller; keeping it as a
    // step of its own keeps the history able to take everything back.
    ++stray_;
    ChangeSet single;
    single.Add(std::move(change));
    Push(QCoreApplication::translate("sorn::EditHistory", "編集"), std::move(single), {});
}

void EditHistory::Push(const QString& label, ChangeSet&& changes, EditPlace place) {
    stack_.push(new EditCommand(doc_, observer_, label, std::move(changes), place));
}

bool EditHistory::Undo(EditPlace& place) {
    if (!stack_.canUndo()) return false;
    place = static_cast<const EditCommand*>(stack_.command(stack_.index() - 1))->Place();
    stack_.undo();
    return true;
}

bool EditHistory::Redo(EditPlace& place) {
    if (!stack_.canRedo()) return false;
    place = static_cast<const EditCommand*>(stack_.command(stack_.index()))->Place();
    stack_.redo();
    return true;
}

void EditHistory::Clear() {
    stack_.clear();
}

void EditHistory::SetClean() {
    stack_.setClean();
}

} // namespace sorn
