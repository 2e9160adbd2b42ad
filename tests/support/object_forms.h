#pragma once

#include <cstdint>
#include <memory>
#include <string>

class CObject;

// An object's text and binary forms in memory, and back, the way the
// loaders handle them.

std::string ObjectText(CObject* object);
// Null when the text does not read.
std::unique_ptr<CObject> ObjectFromText(const std::string& text);
// Into an existing object: BeforeLoad, SetDefaults, the read, AfterLoad.
bool ReadObjectText(CObject* object, const std::string& text);

std::string ObjectBinary(CObject* object);
// BeforeLoad, SetDefaults and the binary read.
bool ReadObjectBinary(CObject* object, const std::string& bytes);

// A 32-bit little-endian word and a counted string, for building binary
// data by hand.
std::string LittleEndianWord(uint32_t value);
std::string CountedString(const std::string& text);
