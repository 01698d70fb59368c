#pragma once
// External programs (espeak-ng, lame, ffmpeg) and WAV files for the sound parts of the generator.
#include <cstdint>
#include <string>
#include <vector>

namespace content {

// 16-bit mono PCM WAV from samples in -1..1.
std::vector<uint8_t> EncodeWav(const std::vector<float>& samples, int rate);

// Runs a command line (through /bin/sh); throws with the command when it fails.
void RunTool(const std::string& command);
// Runs several command lines, a few at a time; throws when one fails.
void RunTools(const std::vector<std::string>& commands, int parallel = 4);

// A scratch folder of this run, removed by the generator at the end.
std::string ScratchDir();
std::string ShellQuote(const std::string& s);

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& data);

}  // namespace content
