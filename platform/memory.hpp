// How the C library hands out memory to this process.
#pragma once

namespace velkor::platform {

// A level load decodes every image it meets into a buffer of a megabyte or more, hands it to the
// driver and frees it. glibc maps each such buffer fresh from the kernel and unmaps it on free, so
// every page of every image faulted in twice a load (the decode, then the driver's copy): on a
// small virtual machine that was a third of the load. This keeps large blocks in the heap, where
// the next image reuses the pages of the last one. The resident set's peak stays where it was
// (the same blocks were resident at once either way). Call once, first thing. Windows' heap keeps
// freed blocks for reuse already: there, and with other C libraries, this does nothing.
void KeepLargeBlocksForReuse() noexcept;

// Gives the pages of freed blocks back to the system: called once a level has loaded, so that a
// visit does not carry what the last level and the load's decode buffers left free. Does nothing
// where the C library's heap is not glibc's.
void ReturnFreedMemory() noexcept;

}  // namespace velkor::platform
