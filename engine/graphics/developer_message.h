#pragma once

// Programming errors that are no player's concern go to the game object,
// which sits above this layer; it tells this layer where to send them at
// start-up. Without a sink the message goes nowhere.
using DeveloperMessageSink = void (*)(const char* text);

void SetDeveloperMessageSink(DeveloperMessageSink sink);
void SendDeveloperMessage(const char* text);
