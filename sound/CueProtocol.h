#pragma once

// How the game talks to its sound process (quindle_cues): one datagram per
// cue on a sequenced-packet socket that is the process's standard input.
// The sound process can hang in a frozen sound server or die without taking
// the game with it.

#include "files/Descriptor.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string>
#include <sys/socket.h>

namespace quindle::cue {

// One byte each. Play carries a copy of the cue's file, which the sound
// process checks before playing, as an SCM_RIGHTS descriptor and, after the byte, the cue's own path in UTF-8,
// which names the sound on the desktop.
constexpr char kPlay = 'P';
constexpr char kAlert = 'A';
constexpr std::size_t kMaxName = 4096;

constexpr char kHelperFile[] = "quindle_cues";

// Sends one request without waiting; false when the other side is gone or
// not taking requests.
inline bool SendRequest(int socket, char kind, int fd, const std::string& name = {})
{
    std::string packet(1, kind);
    packet += name.substr(0, kMaxName);
    iovec iov{packet.data(), packet.size()};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    msghdr msg{};
    msg.msg_iov = &iov;
    msg.msg_iovlen = 1;
    if (fd >= 0) {
        msg.msg_control = control;
        msg.msg_controllen = sizeof control;
        cmsghdr* c = CMSG_FIRSTHDR(&msg);
        c->cmsg_level = SOL_SOCKET;
        c->cmsg_type = SCM_RIGHTS;
        c->cmsg_len = CMSG_LEN(sizeof(int));
        std::memcpy(CMSG_DATA(c), &fd, sizeof(int));
    }
    long n;
    do
        n = sendmsg(socket, &msg, MSG_DONTWAIT | MSG_NOSIGNAL);
    while (n < 0 && errno == EINTR);
    return n == static_cast<long>(packet.size());
}

// Waits for the next request: its kind and, for a play, the file (none when
// none came) and its name. False once the game has closed its end.
inline bool ReceiveRequest(int socket, char& kind, TDescriptor& file, std::string& name)
{
    char packet[1 + kMaxName];
    iovec iov{packet, sizeof packet};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))];
    msghdr msg{};
    msg.msg_iov = &iov;
    msg.msg_iovlen = 1;
    msg.msg_control = control;
    msg.msg_controllen = sizeof control;
    long n;
    do
        n = recvmsg(socket, &msg, MSG_CMSG_CLOEXEC);
    while (n < 0 && errno == EINTR);
    if (n <= 0)
        return false;
    kind = packet[0];
    name.assign(packet + 1, static_cast<std::size_t>(n) - 1);
    file.Reset();
    for (cmsghdr* c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c)) {
        if (c->cmsg_level == SOL_SOCKET && c->cmsg_type == SCM_RIGHTS && c->cmsg_len == CMSG_LEN(sizeof(int))) {
            int fd;
            std::memcpy(&fd, CMSG_DATA(c), sizeof(int));
            file.Reset(fd);
        }
    }
    return true;
}

} // namespace quindle::cue
