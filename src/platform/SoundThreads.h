#pragma once
// Opening a synthesizer or an audio output can take as long as a sound
// server takes to give up on an answer, so it runs on a thread of its own
// while the window goes on. The one who asked may be gone by the time it
// ends: the step owns what it touches, and the threads are waited for when
// the program ends, never left running into its teardown.

#include <functional>

class QObject;

namespace sorn {

// Runs step on a sound thread, then done on context's thread, unless context
// has been destroyed by then.
void StartOffThread(QObject* context, std::function<void()> step, std::function<void()> done);

// Waits until every step started so far has ended: for tests.
void WaitForSoundThreads();

} // namespace sorn
