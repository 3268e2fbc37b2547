#pragma once

// A window handle bound to the object that made it. The window's procedure
// reaches the object through GWLP_USERDATA: a window of one of our own
// classes from its first message on (the object comes in lpCreateParams), a
// system control once it is subclassed. The object lets go of the window
// before it destroys it, so that no message reaches an object half gone.

#include <windows.h>

namespace vorn::win32 {

class BoundWindow {
 public:
  virtual ~BoundWindow();
  BoundWindow(const BoundWindow&) = delete;
  BoundWindow& operator=(const BoundWindow&) = delete;

  HWND Hwnd() const { return hwnd_; }
  static BoundWindow* FromHwnd(HWND window);

  // The procedure of our own window classes.
  static LRESULT CALLBACK ClassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

 protected:
  BoundWindow() = default;

  // Creates a window of one of our classes, bound from its first message.
  HWND CreateBound(const char* window_class, DWORD ex_style, DWORD style, int x, int y, int width,
                   int height, HWND parent, HMENU menu = nullptr);
  // Binds a system control made elsewhere, through its subclassing.
  void Subclass(HWND control);
  // Stops routing messages to this object; the window lives on until the
  // destructor destroys it.
  void Detach();

  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    return Default(message, wparam, lparam);
  }
  // An exception left HandleMessage; called inside the catch.
  virtual void Failed() {}
  LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT Dispatch(BoundWindow* self, UINT message, WPARAM wparam, LPARAM lparam);
  WNDPROC original_proc_ = nullptr;
};

// A window that only needs destroying at the end, such as a hidden owner.
class UniqueWindow {
 public:
  explicit UniqueWindow(HWND window = nullptr) : window_(window) {}
  ~UniqueWindow() { Reset(); }
  UniqueWindow(const UniqueWindow&) = delete;
  UniqueWindow& operator=(const UniqueWindow&) = delete;
  HWND Get() const { return window_; }
  void Reset(HWND window = nullptr) {
    if (window_) DestroyWindow(window_);
    window_ = window;
  }

 private:
  HWND window_;
};

}  // namespace vorn::win32
