#pragma once
// Operating-system services the game needs: one instance at a time, the tick counter, message
// boxes, the mouse pointer and cursors, and files. Paths are relative to the working directory
// with forward slashes; the game spells folders in several cases ("Data/", "DATA/"), so every
// path is resolved without regard to case.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace os {

// Single instance: takes an advisory lock on lockPath. False when another process holds it.
// The lock is kept until the process ends or ReleaseSingleInstance is called.
bool AcquireSingleInstance(const std::string& lockPath);
void ReleaseSingleInstance();
// The lock of this user's game: in the user's runtime folder where there is one, else a name of
// the user's own in the temp folder, so other users on the same machine can play at the same time.
std::string DefaultLockPath();

// Milliseconds since the process started, from a monotonic clock (GetTickCount semantics).
uint32_t GetTickCount();
// Tests replace the clock; nullptr restores the real one.
void SetTickSource(uint32_t (*source)());
// Sleeps about ms milliseconds (the scheduler may add a little). While a test's clock replaces the
// real one it returns at once: only that clock's readings count.
void Sleep(uint32_t ms);
// Recorded games: a clock that stands still except while the game sleeps, so time passes by the
// game's own waits (its frames) and a replay reads the same times as the recorded game. Switching
// it on starts it at 0; it comes before a test's clock.
void UseFrameClock(bool on);
bool FrameClockOn();

// Freed heap memory is kept for reuse instead of going back to the system at once: the loading
// decodes hundreds of large images and sounds one after another, and every fresh page costs a fault.
// The heap also gets a large reserve the kernel may back with large pages. Once per process.
void KeepFreedMemory();

// True on SDL's headless video drivers (offscreen, dummy): no real window or box can be shown.
bool Headless();

// A message box: always written to stderr; shown as a real box only where a display exists and
// boxes are not captured. Never blocks a headless run.
void MessageBox(const std::string& text, const std::string& caption);
// Tests collect boxes instead: every box appends "caption|text". nullptr stops capturing.
void CaptureMessageBoxes(std::vector<std::string>* sink);

// Resolves each component of path without regard to case against what exists on disk, so
// "DATA/Towns/Town3.dat" finds "Data/Towns/town3.dat". Components that do not exist are kept as
// given (so the result also names files about to be created).
std::string ResolvePath(const std::string& path);

// The one comparison of names without regard to case (ASCII letters only, as the game's names are),
// and the folded form it compares, for names used as keys.
bool EqualsNoCase(const std::string& a, const std::string& b);
std::string FoldCase(std::string name);

// A file unpacked only for a loader to read at once is held in memory under its name instead of
// being written to disk and deleted again. FileExists and ReadFile find it first (by the same name,
// without regard to case, before any file on disk) until DropMemoryFile.
void PutMemoryFile(const std::string& path, std::vector<uint8_t> data);
void DropMemoryFile(const std::string& path);

bool FileExists(const std::string& path);                          // resolved
bool ReadFile(const std::string& path, std::vector<uint8_t>& out);  // resolved; false when unreadable
// Writes data to path + ".tmp" and renames it over path, so a failed write never leaves a
// half-written file behind. False on any error (and the old file is untouched).
bool WriteFileAtomic(const std::string& path, const void* data, size_t size);
bool DeleteFile(const std::string& path);     // resolved; false when nothing was deleted
bool MakeDirectory(const std::string& path);  // creates missing parents too; true when it exists afterwards

// The mouse pointer, in the game's 1024 x 768 client coordinates.
void WarpPointer(int x, int y);

// Cursors from .cur files (ICO/CUR format, 32-bit, paletted and monochrome images, hotspot).
using Cursor = uint32_t;  // 0 = none
Cursor LoadCursorFile(const std::string& path);  // 0 on failure
void SetCursor(Cursor cursor);
void FreeCursor(Cursor cursor);

// Decoded .cur image, exposed for tests and the data generator's checks.
struct CursorImage {
    int width = 0, height = 0, hotX = 0, hotY = 0;
    std::vector<uint8_t> rgba;  // top row first
};
bool DecodeCursor(const std::vector<uint8_t>& file, CursorImage& out, std::string& error);

}  // namespace os
