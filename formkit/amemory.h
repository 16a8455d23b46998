#ifndef AMEMORY_H
#define AMEMORY_H

// The allocator keeps what a big job freed for the next one; an office
// computer needs it back once a year of bills or a long print is gone.
namespace AMemory {
// Gives the memory freed so far back to the system.
void giveBack();
} // namespace AMemory

#endif // AMEMORY_H
