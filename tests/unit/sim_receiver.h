#pragma once

#include <gtest/gtest.h>

#include "platform/sim/sim_window_tree.h"
#include "receiver/get_handles.h"
#include "remote/receiver_rig.h"

namespace vorn {

// The receiver program on a simulated desktop, with most demodulators, two
// bandwidth buttons (3 kHz, 0.8 kHz) and the keypad, as the remote-control
// tests tune it: through the receiver link that has found its controls.
struct SimReceiver {
  SimReceiver() {
    const WindowHandle main = tree.AddTopLevel("Perseus");
    for (const char* c : {"Dither", "AM", "SAM", "CW", "USB", "LSB", "FM", "3 kHz", "0.8kHz"})
      tree.AddChild(main, c);
    const WindowHandle keypad = tree.AddTopLevel("Frequency");
    for (const char* c : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "kHz"})
      tree.AddChild(keypad, c);
    EXPECT_EQ(link.FindMainControl("Perseus", "Dither"), "ok");
    EXPECT_EQ(link.FindKeypadControl("Frequency", "kHz", "V2.1f"), "ok");
  }

  SimWindowTree tree;
  ReceiverLink link{tree};
  ReceiverRig rig{link};
};

}  // namespace vorn
