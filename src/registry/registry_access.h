// The program's one way into the registry: write a string value, read one,
// delete a key with everything below it. Every failure is silent and turns
// the result false; the caller decides what it means.
#pragma once

#include <string>

#include "platform/registry.h"

namespace tolmarin::registry {

// Makes sure the key exists and sets the value as REG_SZ (the text's bytes,
// no terminating zero). A key created here stays even if the set fails.
bool RegWriteString(platform::Registry& registry, platform::RegKey root,
                    const std::string& keyPath, const std::string& valueName,
                    const std::string& text);

// On success stores the value's text in `result`; on failure leaves `result`
// exactly as it was, so callers can pass the field to be filled. A value of
// another type than REG_SZ reads as the empty text.
bool RegReadString(platform::Registry& registry, platform::RegKey root,
                   const std::string& keyPath, const std::string& valueName,
                   std::string& result);

// Deletes the key and every subkey below it, also on a registry whose key
// deletion refuses keys that still have subkeys.
bool RegDeleteTree(platform::Registry& registry, platform::RegKey root,
                   const std::string& keyPath);

// The part of `text` before its first zero character.
std::string StripAtZero(const std::string& text);

}  // namespace tolmarin::registry
