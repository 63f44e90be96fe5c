#pragma once

#include <cstdint>

class TClock;

// What the winner celebration needs from outside: the window that shows the
// table picture, the event loop, the clock, sound, the player's stop request
// and the program's end. The main window implements it; tests and tools use
// a recording host that waits in zero time.
class TWinnerHost {
 public:
  virtual ~TWinnerHost() = default;

  // Has the picture shown again the next time events are let through.
  virtual void ShowPicture() = 0;
  // Lets pending events through, then sleeps until more arrive or the
  // clock reaches `deadlineMs`, whichever comes first.
  virtual void WaitForMessages(int64_t deadlineMs) = 0;
  virtual TClock& Clock() = 0;

  // Plays a sound (TSoundId) once.
  virtual void PlaySound(int sound) = 0;
  virtual void StopSound() = 0;

  // Raised by a left-button press anywhere in the program.
  virtual bool StopRequested() const = 0;
  virtual void ClearStopRequest() = 0;
  // True once the program is closing: nobody sees the celebration any more.
  virtual bool Terminating() const = 0;

  // The game's full repaint of the table, when the celebration is over.
  virtual void RedrawTable() = 0;
};
