#include "sim_pty.h"

#include <cstdio>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace ksy::sim {

bool SimPty::plug()
{
    unplug();
    termios raw {};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    char name[256] = {};
    if (openpty(&master_, &device_fd_, name, &raw, nullptr) != 0) {
        master_ = device_fd_ = -1;
        return false;
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(device_fd_, F_SETFD, FD_CLOEXEC);
    device_ = name;
    if (!link_.empty()) {
        const std::string temp = link_ + ".new";
        ::unlink(temp.c_str());
        if (::symlink(device_.c_str(), temp.c_str()) != 0
            || std::rename(temp.c_str(), link_.c_str()) != 0) {
            unplug();
            return false;
        }
    }
    return true;
}

void SimPty::unplug()
{
    if (!link_.empty())
        ::unlink(link_.c_str());
    if (master_ >= 0)
        ::close(master_);
    if (device_fd_ >= 0)
        ::close(device_fd_);
    master_ = device_fd_ = -1;
    device_.clear();
}

} // namespace ksy::sim
