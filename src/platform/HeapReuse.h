// How the C library's allocator treats memory the program frees: the renderer's frame-long
// blocks are kept for the next frame rather than handed back to the system and faulted in
// again, page by page, in every frame.
#pragma once

// Called once, before the window and GL start (by the start-up that opens the window).
void keep_freed_memory();
