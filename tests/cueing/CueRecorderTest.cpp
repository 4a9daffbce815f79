// The record file: one flushed cue per call, numbered on from what the file holds.
#include "cueing/CueRecorder.h"
#include "platform/AtomicFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(CueRecorder, AppendsOneFlushedCuePerCallNumberingOnFromTheFile)
{
    TempDir dir;
    const std::string path
        = dir.write("out.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nOld\r\n\r\n");
    CueRecorder recorder(path);
    ASSERT_TRUE(recorder.isOpen());
    ASSERT_TRUE(recorder.record({ 3, 4.5, "New" }));
    // Readable at once, before the recorder closes.
    EXPECT_EQ(readWholeFile(path).value_or(""),
        "1\r\n00:00:01,000 --> 00:00:02,000\r\nOld\r\n\r\n"
        "2\r\n00:00:03,000 --> 00:00:04,500\r\nNew\r\n\r\n");
    EXPECT_FALSE(CueRecorder((dir.path() / "no/such/folder.srt").string()).isOpen());
}

} // namespace
