#pragma once

// The sound steps of the game object's start-up and shutdown, for the game
// base to call in its order.

// Opens the device, applies the sound settings, makes the music player and
// queues the intro track (null for none) when the music folder holds it.
// Answers whether the intro was queued: the caller then starts it while
// loading when it wants music during loading.
bool StartSound(const char* introTrack);

// The first shutdown step: runs the sound manager's shutdown callbacks (the
// music player stops its stream and is deleted).
void StopSoundCallbacks();

// The last shutdown step: releases the device.
void ShutDownSound();
