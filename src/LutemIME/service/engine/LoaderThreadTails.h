#pragma once

#include <thread>

// A loader thread releases its hold on the module as the last thing its body
// does, but the thread then still returns through some of the module's own
// code (the thread object's state is destroyed there). Were the thread
// detached, COM could unload the module in between and the thread would run
// into unmapped code. So a started loader is kept here instead, and joined
// when COM asks whether the module may go: the module's object count is then
// at its end, so every loader has released its hold and only its return is
// left to wait for.
void KeepLoaderThread(std::thread thread) noexcept;

// Joins every kept loader thread. Only for a module whose object count says
// nothing holds it any more.
void JoinReleasedLoaderThreads() noexcept;
