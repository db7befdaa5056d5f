#pragma once

namespace kulko::test {

// A host name whose lookup in this test program hangs, as with a resolver
// that does not answer, until released (or for twenty seconds at most).
inline constexpr const char* kHangingName = "lookup-hangs.invalid";

// Lets the hanging lookups end, so their threads finish.
void ReleaseHangingLookups();

}  // namespace kulko::test
