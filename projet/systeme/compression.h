// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes packed with zlib, for files that are long lists of small, alike
// records: a replay's frames.
#ifndef VORLEN_COMPRESSION_H
#define VORLEN_COMPRESSION_H

#include <cstddef>
#include <optional>
#include <string>

namespace compression {

std::string comprimer(const std::string& octets);

// The bytes `comprimes` packs, when they are a whole zlib stream of at most
// `tailleMax` bytes unpacked; nothing otherwise, without unpacking further.
std::optional<std::string> decomprimer(const std::string& comprimes, std::size_t tailleMax);

} // namespace compression

#endif
