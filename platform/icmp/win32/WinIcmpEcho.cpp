#include "platform/icmp/win32/WinIcmpEcho.h"

#include "platform/icmp/IcmpStatus.h"

// The ICMP API's headers need each other in this order: the address types of
// winsock2.h, then those of iphlpapi.h.
// clang-format off
#include <winsock2.h>
#include <iphlpapi.h>
#include <icmpapi.h>
// clang-format on

namespace lumet {

namespace {

// The system answers once the time-out has passed; the loop's own time-out is only
// a safety net should the event never be signaled.
constexpr std::uint32_t kSafetyMarginMs = 2000;
// Room for the reply structure and the 8 bytes of an ICMP error message besides the
// (empty) echoed data, as IcmpSendEcho2 asks.
constexpr std::size_t kReplyBufferSize = sizeof(ICMP_ECHO_REPLY) + 8 + 64;

std::uint32_t ProbeStatus(DWORD status) {
    if (status == IP_SUCCESS || (status >= IcmpStatus::kBase && status <= IcmpStatus::kLast)) {
        return status;
    }
    return IcmpStatus::kGeneralFailure;
}

} // namespace

struct WinIcmpEcho::Request {
    HANDLE event = nullptr;
    std::vector<unsigned char> reply = std::vector<unsigned char>(kReplyBufferSize);
    std::uint32_t timeoutMs = 0;
    Completion done;
    std::unique_ptr<IoWait> wait;
    ProbeResult failure; // for a request the system refused at once

    Request() : event(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Request() {
        if (event != nullptr) {
            CloseHandle(event);
        }
    }
    Request(const Request&) = delete;
    Request& operator=(const Request&) = delete;
};

WinIcmpEcho::WinIcmpEcho(HandleWatcher& watcher) : watcher_(watcher), icmp_(IcmpCreateFile()) {}

WinIcmpEcho::~WinIcmpEcho() {
    Cancel();
    if (icmp_ != INVALID_HANDLE_VALUE) {
        // Closing the handle ends what is still pending; each request's buffer must
        // stay until the system has let go of it.
        IcmpCloseHandle(icmp_);
    }
    for (const auto& request : abandoned_) {
        WaitForSingleObject(request->event, request->timeoutMs + kSafetyMarginMs);
    }
}

void WinIcmpEcho::Start(std::uint32_t address, std::uint32_t timeoutMs, Completion done) {
    Cancel();
    auto request = std::make_shared<Request>();
    request->timeoutMs = timeoutMs;
    request->done = std::move(done);
    current_ = request;

    DWORD error = ERROR_INVALID_HANDLE;
    if (icmp_ != INVALID_HANDLE_VALUE && request->event != nullptr) {
        const DWORD sent = IcmpSendEcho2(icmp_, request->event, nullptr, nullptr, address, nullptr,
                                         0, nullptr, request->reply.data(),
                                         static_cast<DWORD>(request->reply.size()), timeoutMs);
        error = sent != 0 ? ERROR_SUCCESS : GetLastError();
    }
    if (error == ERROR_IO_PENDING || error == ERROR_SUCCESS) {
        request->wait = watcher_.Watch(
            request->event, timeoutMs + kSafetyMarginMs, [this, request] { Finish(request); },
            [this, request] {
                request->failure.status = IcmpStatus::kRequestTimedOut;
                Finish(request);
            });
        return;
    }
    // Refused before anything was sent (no ICMP handle, a bad address): the answer
    // still comes from the loop, as callers rely on.
    request->failure.status = ProbeStatus(error);
    request->wait = watcher_.Watch(nullptr, 0, nullptr, [this, request] { Finish(request); });
}

void WinIcmpEcho::Finish(const std::shared_ptr<Request>& request) {
    ProbeResult result = request->failure;
    if (result.status == IcmpStatus::kSuccess) {
        const DWORD count =
            IcmpParseReplies(request->reply.data(), static_cast<DWORD>(request->reply.size()));
        if (count > 0) {
            const auto* reply = reinterpret_cast<const ICMP_ECHO_REPLY*>(request->reply.data());
            result.status = ProbeStatus(reply->Status);
            result.roundTripMs = reply->RoundTripTime;
            result.ttl = reply->Options.Ttl;
            result.dataSize = reply->DataSize;
        } else {
            result.status = ProbeStatus(GetLastError());
        }
    }
    const Completion done = std::move(request->done);
    // Ends the wait, which holds this request through its callbacks.
    request->wait.reset();
    current_.reset();
    if (done) {
        done(result);
    }
}

void WinIcmpEcho::Cancel() {
    if (!current_) {
        return;
    }
    const std::shared_ptr<Request> request = std::move(current_);
    request->done = nullptr;
    if (request->failure.status != IcmpStatus::kSuccess) {
        return; // nothing was sent; the system holds nothing of it
    }
    // Kept until the system signals the event, then dropped from the list.
    request->wait = watcher_.Watch(
        request->event, request->timeoutMs + kSafetyMarginMs,
        [this, request] { std::erase(abandoned_, request); },
        [this, request] { std::erase(abandoned_, request); });
    abandoned_.push_back(request);
}

} // namespace lumet
