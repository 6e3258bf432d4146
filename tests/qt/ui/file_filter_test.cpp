#include "qt/ui/file_filter.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace fretwise::test {
namespace {

TEST(FileFilter, WrittenTheQtWay) {
    EXPECT_EQ(QtFileFilter("Chord|*.fw"), "Chord (*.fw)");
    EXPECT_EQ(QtFileFilter("WAV file|*.wav"), "WAV file (*.wav)");
    EXPECT_EQ(QtFileFilter("Bitmap|*.bmp|All files|*.*"), "Bitmap (*.bmp);;All files (*.*)");
}

TEST(FileFilter, ExtensionAddedOnlyToABareName) {
    const std::tuple<QString, QString, QString> cases[] = {
        {"/home/u/C major", "Chord|*.fw", "/home/u/C major.fw"},
        {"/home/u/C major.fw", "Chord|*.fw", "/home/u/C major.fw"},
        {"/home/u/take.WAV", "WAV file|*.wav", "/home/u/take.WAV"},
        {"/home/u/take", "WAV file|*.wav", "/home/u/take.wav"},
        {"/home/u/song.txt", "Chord|*.fw", "/home/u/song.txt"},
        {"/home/u.dir/chord", "Chord|*.fw", "/home/u.dir/chord.fw"},
        {"/home/u/picture", "Bitmap|*.bmp", "/home/u/picture.bmp"},
        {"/home/u/any", "All files|*.*", "/home/u/any"},
        {"", "Chord|*.fw", ""},
    };
    for (const auto& [path, filter, expected] : cases) {
        EXPECT_EQ(WithFilterExtension(path, filter), expected) << path.toStdString();
    }
}

}  // namespace
}  // namespace fretwise::test
