#pragma once
// The winmm call behind the Windows wave player, held in a variable so that a test can put a
// recorder in its place and see what would be played without a sound card.

#include <windows.h>

using PlaySoundCall = BOOL(WINAPI*)(LPCWSTR sound, HMODULE module, DWORD flags);

// PlaySoundW unless a test has replaced it.
extern PlaySoundCall playSoundCall;
