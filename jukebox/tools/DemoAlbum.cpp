#include "jukebox/tools/DemoAlbum.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "jukebox/model/AlbumFile.h"
#include "jukebox/model/CSongList.h"
#include "jukebox/model/FileSystem.h"

namespace brambletune {
namespace {

constexpr std::uint32_t kRate = 22050;
constexpr double kAmplitude = 9000;
constexpr double kFadeSeconds = 0.05;
constexpr int kAlbumFormat = 1;  // the current version, "Brambl27"

void PutLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

double Envelope(std::uint32_t sample, std::uint32_t samples) {
    const double fade = kFadeSeconds * kRate;
    const double edge = std::min<double>(sample, samples - 1 - sample);
    return edge >= fade ? 1.0 : edge / fade;
}

std::string FileNameOf(std::size_t number, const DemoTone& tone) {
    return (number < 10 ? "0" : "") + std::to_string(number) + " " + tone.title + ".wav";
}

bool WriteFile(FileSystem& files, const std::string& path, const std::string& contents) {
    auto out = files.OpenWrite(path);
    if (!out) return false;
    out->write(contents.data(), static_cast<std::streamsize>(contents.size()));
    return static_cast<bool>(out->flush());
}

}  // namespace

const std::vector<DemoTone>& DemoTones() {
    static const std::vector<DemoTone> tones = {
        {"Concert A", 440.0, 3},
        {"Middle C", 261.63, 4},
        {"High E", 659.25, 3},
        {"Low G", 196.0, 5},
    };
    return tones;
}

std::string ToneWav(double frequency, std::int32_t milliseconds) {
    const std::uint32_t samples = kRate * static_cast<std::uint32_t>(milliseconds) / 1000;
    std::string data;
    data.reserve(samples * 2);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double s = std::sin(2 * std::numbers::pi * frequency * i / kRate);
        const auto value = static_cast<std::int16_t>(kAmplitude * Envelope(i, samples) * s);
        PutLE(data, static_cast<std::uint16_t>(value), 2);
    }
    std::string wav = "RIFF";
    PutLE(wav, static_cast<std::uint32_t>(36 + data.size()), 4);
    wav += "WAVEfmt ";
    PutLE(wav, 16, 4);
    PutLE(wav, 1, 2);  // PCM
    PutLE(wav, 1, 2);  // mono
    PutLE(wav, kRate, 4);
    PutLE(wav, kRate * 2, 4);  // bytes per second
    PutLE(wav, 2, 2);          // bytes per sample frame
    PutLE(wav, 16, 2);         // bits per sample
    wav += "data";
    PutLE(wav, static_cast<std::uint32_t>(data.size()), 4);
    return wav + data;
}

std::string MakeDemoAlbum(FileSystem& files, const std::string& folder, const CodePages& pages) {
    CSongList album;
    const auto& tones = DemoTones();
    for (std::size_t i = 0; i < tones.size(); ++i) {
        CSong song;
        song.songTitle = tones[i].title;
        song.songPath = folder + FileNameOf(i + 1, tones[i]);
        song.songArtist = "Brambletune";
        song.songAlbum = "Demo Album";
        song.songLength = tones[i].seconds;
        if (!WriteFile(files, song.songPath, ToneWav(tones[i].frequency, tones[i].seconds * 1000)))
            return "";
        album.Add(song);
    }
    const std::string albumPath = folder + kDemoAlbumName;
    return SaveAlbumFile(files, albumPath, album, kAlbumFormat, 0, pages) ? albumPath : "";
}

}  // namespace brambletune
