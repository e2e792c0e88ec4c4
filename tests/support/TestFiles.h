#pragma once

#include <cstdint>
#include <string>

// A fresh folder under the test run's temporary root.
std::string MakeTempFolder();

void WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);
// Sets the last-write time in seconds since 1970.
void SetFileTime(const std::string& path, std::int64_t seconds);
// Makes a file of the given size without writing its bytes.
void MakeSparseFile(const std::string& path, std::uint64_t size);

// The same bytes for the same size and seed.
std::string RandomBytes(std::size_t size, unsigned seed = 1);

// Gives the state file a folder of its own for one test.
void UseFreshStateFolder();
