#pragma once
// A worker's calls to the GUI thread through a queue under a std::mutex.
// The worker puts its call into the queue and waits on a condition
// variable; the GUI thread, woken by a queued call of a method named by its
// text (whose event Qt allocates, carries and frees itself, holding no data
// of the worker), takes the call under the same mutex, runs it and reports
// it done under the mutex again. So everything the worker did before the
// call happens before it runs, and the run happens before everything the
// worker does after it, by locks that race checkers see; nothing depends on
// the wait inside Qt, which they cannot see.
#include <functional>

namespace kvx {

// Makes the GUI thread ready to serve the calls; call it on the GUI thread
// (it does nothing elsewhere, or without an application) before a worker
// that uses GuiSorHivas starts. Calling it again does nothing.
void GuiSorElokeszites();

// Runs fn on the GUI thread and waits until it ran (at once when called on
// the GUI thread or without an application). A worker of a closing program
// skips it unless leallaskorIs: the GUI thread serves such calls only while
// it waits for its workers. False when fn did not run (skipped, or the
// application went away first). An exception that leaves fn is thrown again
// on the calling thread.
bool GuiSorHivas(const std::function<void()>& fn, bool leallaskorIs);

}  // namespace kvx
