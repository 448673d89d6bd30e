#pragma once

#include "Platform.h"

// Holds a critical section for one scope, also when the scope is left by an
// exception.
class CriticalSectionLock {
 public:
  explicit CriticalSectionLock(CRITICAL_SECTION* section) : section_(section) {
    EnterCriticalSection(section_);
  }
  ~CriticalSectionLock() { LeaveCriticalSection(section_); }
  CriticalSectionLock(const CriticalSectionLock&) = delete;
  CriticalSectionLock& operator=(const CriticalSectionLock&) = delete;

 private:
  CRITICAL_SECTION* section_;
};
