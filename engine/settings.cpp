#include "engine/settings.h"

#include <cstdlib>

int Settings::ReadInt(const std::string& key) { return ToInt(Read(key)); }

int Settings::ToInt(const std::string& value) { return std::atoi(value.c_str()); }

void Settings::WriteInt(const std::string& key, int value) { Write(key, std::to_string(value)); }
