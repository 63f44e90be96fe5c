#pragma once

// What the program sets up before its first window: its name, version and
// icon, and the fonts its captions need.
void StartUp();
