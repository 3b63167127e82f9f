#pragma once
// The wait cursor for the life of a scope, so that an error thrown out of
// the work still ends it.

#include "platform/host.h"

class WaitCursor {
  public:
    explicit WaitCursor(CalculatorHost& host) : host_(host) { host_.BeginWaitCursor(); }
    ~WaitCursor() { host_.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    CalculatorHost& host_;
};
