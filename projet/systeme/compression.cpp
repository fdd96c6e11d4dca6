// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/compression.h"

#include <zlib.h>

namespace compression {

std::string comprimer(const std::string& octets) {
    uLongf taille = compressBound(octets.size());
    std::string comprimes(taille, '\0');
    compress2(reinterpret_cast<Bytef*>(comprimes.data()), &taille,
              reinterpret_cast<const Bytef*>(octets.data()), octets.size(), Z_BEST_COMPRESSION);
    comprimes.resize(taille);
    return comprimes;
}

std::optional<std::string> decomprimer(const std::string& comprimes, std::size_t tailleMax) {
    z_stream flux{};
    if (inflateInit(&flux) != Z_OK) {
        return std::nullopt;
    }
    flux.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(comprimes.data()));
    flux.avail_in = static_cast<uInt>(comprimes.size());
    // Grown a slice at a time, so a lying stream costs no more than the bound.
    const std::size_t tranche = 64 * 1024;
    std::string octets;
    int issue = Z_OK;
    while (issue == Z_OK && octets.size() <= tailleMax) {
        const std::size_t faits = octets.size();
        octets.resize(faits + tranche);
        flux.next_out = reinterpret_cast<Bytef*>(octets.data() + faits);
        flux.avail_out = static_cast<uInt>(tranche);
        issue = inflate(&flux, Z_NO_FLUSH);
        octets.resize(faits + tranche - flux.avail_out);
    }
    const bool toutLu = flux.avail_in == 0;
    inflateEnd(&flux);
    if (issue != Z_STREAM_END || !toutLu || octets.size() > tailleMax) {
        return std::nullopt;
    }
    return octets;
}

} // namespace compression
