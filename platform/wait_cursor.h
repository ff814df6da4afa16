#pragma once

// Shows the busy cursor over the whole program for the lifetime of the
// object; the previous cursor returns when it ends, also on an early return
// or an exception. Guards nest.
class CWaitCursor {
  public:
    CWaitCursor();
    ~CWaitCursor();

    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
