#include "tools/RecordPrinter.h"
#include "engine/MatchRecord.h"
#include "tools/OutputStream.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {
// What can be read from `fd` within a short deadline ("" when nothing comes).
std::string Available(int fd, int waitMs) {
    std::string text;
    pollfd ready{fd, POLLIN, 0};
    while (::poll(&ready, 1, text.empty() ? waitMs : 0) > 0) {
        char buffer[256];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, static_cast<size_t>(got));
    }
    return text;
}
} // namespace

// A pipe gets large writes: a record waits in the buffer until no further
// record is ready. A terminal gets each record at once. A failed write stops
// the search.
TEST(RecordPrinter, FlushesWhenNoRecordIsReadyAndAtOnceOnATerminal) {
    MatchRecord record;
    record.SetPath("/x/a.txt");
    record.AddLine("hit");
    const std::string printed = "/x/a.txt\n\thit\n";

    int pipeEnds[2];
    ASSERT_EQ(::pipe2(pipeEnds, O_CLOEXEC), 0);
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(::grantpt(terminal), 0);
    ASSERT_EQ(::unlockpt(terminal), 0);
    const int terminalSide = ::open(::ptsname(terminal), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(terminalSide, 0);
    termios raw;
    ::tcgetattr(terminalSide, &raw);
    ::cfmakeraw(&raw); // line feeds as they are
    ::tcsetattr(terminalSide, TCSANOW, &raw);

    const struct {
        const char* name;
        int writeEnd;
        int readEnd;
        bool atOnce;
    } cases[] = {{"pipe", pipeEnds[1], pipeEnds[0], false},
                 {"terminal", terminalSide, terminal, true}};
    for (const auto& c : cases) {
        OutputStream out(c.writeEnd);
        std::atomic<bool> stop{false};
        RecordPrinter printer(out, stderr, false, stop);
        EXPECT_FALSE(printer.OnRecordCommitted(record)) << c.name;
        EXPECT_EQ(Available(c.readEnd, c.atOnce ? 10000 : 0), c.atOnce ? printed : "") << c.name;
        printer.OnWaiting();
        EXPECT_EQ(Available(c.readEnd, c.atOnce ? 0 : 10000), c.atOnce ? "" : printed) << c.name;
        EXPECT_FALSE(stop) << c.name;
    }
    for (const int fd : {pipeEnds[0], pipeEnds[1], terminal, terminalSide})
        ::close(fd);

    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    OutputStream out(full);
    std::atomic<bool> stop{false};
    RecordPrinter printer(out, stderr, false, stop);
    printer.OnRecordCommitted(record);
    printer.OnWaiting();
    EXPECT_TRUE(stop);
    EXPECT_EQ(out.Error(), ENOSPC);
    ::close(full);
}
