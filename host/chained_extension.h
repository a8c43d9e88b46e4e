// The extension that was installed before this library, loaded at start when
// the external-dialer option (bit 0x40000) is on, so that the phone
// application's extension calls can be passed on to it.
#pragma once

namespace vostarel {

// Not done yet: loads nothing and leaves every forward target as it is.
// Called during process attach, before the loader thread starts.
void LoadChainedExtension();

}  // namespace vostarel
