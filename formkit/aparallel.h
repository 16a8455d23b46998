#ifndef APARALLEL_H
#define APARALLEL_H

#include <functional>

// Work over a long list split into pieces that share nothing: a keystroke on
// a year of bills folds and matches hundreds of thousands of values, which
// one core does in a time a person notices.
namespace AParallel {
// Runs job(0) … job(count - 1) on the calling thread and as many threads
// more as the machine has cores to spare, and returns once every one has
// ended. No thread is left behind afterwards.
void forEach(int count, const std::function<void(int)>& job);
} // namespace AParallel

#endif // APARALLEL_H
