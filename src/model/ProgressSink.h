#pragma once
// What the document drives while a long export runs: a progress bar in the
// editor, nothing in batch mode.

namespace sorn {

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void SetMaximum(int maximum) = 0;
    virtual void SetValue(int value) = 0;
};

} // namespace sorn
