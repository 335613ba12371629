#pragma once
// Named resources that packages carry (palette glyphs, form descriptions), found by name.

#include <cstdint>
#include <string>
#include <vector>

#include "host/core/SysUtils.h"

class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

/// Adds or replaces the resource Name (letter case ignored).
void RegisterResource(const std::string& Name, std::vector<uint8_t> Data);
void UnRegisterResource(const std::string& Name);
/// The bytes of the resource Name, or null.
const std::vector<uint8_t>* FindResource(const std::string& Name);
/// The bytes of the resource Name; EResNotFound when there is none.
const std::vector<uint8_t>& ResourceData(const std::string& Name);
