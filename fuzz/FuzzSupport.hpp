#pragma once
// What the fuzz targets share: turning raw bytes into a wide text, a private
// scratch folder for targets that read and write files, and quiet warnings.

#include <cstddef>
#include <cstdint>
#include <string>

// The entry every target defines, the one libFuzzer and the replay call.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz
{
// Decodes UTF-8 as far as it is well formed; every other byte becomes the
// character of the same value, so that any input gives some text.
std::wstring decodeUtf8(const std::uint8_t* data, std::size_t size);

// On the first call makes a fresh temporary folder the working directory
// (the stores and the splitter work on relative paths) and removes it at
// exit. Later calls do nothing.
void enterScratchDirectory();

// Sends the standard error stream nowhere: damaged inputs are expected to
// warn, and thousands of warnings a second only slow fuzzing down. The
// messages are still built, so their formatting is exercised.
void silenceWarnings();

// Stops the run with the broken property named when a check fails, so that
// libFuzzer keeps the input and the replay test fails.
void require(bool holds, const char* property);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& content);
} // namespace fuzz
