#include "engine/settings.h"

#include <cstdlib>

int Settings::ReadInt(const std::string& key) { return std::atoi(Read(key).c_str()); }

void Settings::WriteInt(const std::string& key, int value) { Write(key, std::to_string(value)); }
