#include "decoder_sim_process.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <algorithm>

namespace ksy::test {
namespace {

std::int64_t nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

SimProcess::SimProcess(const QStringList& arguments)
{
#ifdef KSY_SIM_PATH
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(KSY_SIM_PATH, arguments);
    startedAt_ = nowMs();
    if (!process_.waitForStarted(5000))
        return;
    QElapsedTimer wait;
    wait.start();
    while (ptyPath.empty() && wait.elapsed() < 5000) {
        pump(100);
        for (const std::string& line : lines)
            if (line.rfind("pty ", 0) == 0)
                ptyPath = line.substr(4);
    }
#else
    (void)arguments;
#endif
}

SimProcess::~SimProcess()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    send("quit");
    if (!process_.waitForFinished(2000)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

void SimProcess::send(const std::string& command)
{
    process_.write(QByteArray::fromStdString(command + "\n"));
    process_.waitForBytesWritten(1000);
}

void SimProcess::pump(int waitMs)
{
    if (process_.bytesAvailable() == 0)
        process_.waitForReadyRead(waitMs);
    partial_ += process_.readAllStandardOutput().toStdString();
    for (std::size_t eol; (eol = partial_.find('\n')) != std::string::npos;) {
        lines.push_back(partial_.substr(0, eol));
        lineTimes.push_back(nowMs() - startedAt_);
        partial_.erase(0, eol + 1);
    }
}

bool SimProcess::waitFor(const std::string& line, int timeoutMs, std::size_t from)
{
    QElapsedTimer wait;
    wait.start();
    for (;;) {
        if (std::find(lines.begin() + static_cast<std::ptrdiff_t>(std::min(from, lines.size())),
                      lines.end(), line)
            != lines.end())
            return true;
        if (wait.elapsed() > timeoutMs)
            return false;
        pump(20);
    }
}

int SimProcess::count(const std::string& line) const
{
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

} // namespace ksy::test
