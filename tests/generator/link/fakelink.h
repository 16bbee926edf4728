#pragma once
// A serial link and a tick count that exist only in the test: time moves when the protocol waits,
// and a scripted peer answers each write after a chosen delay.
#include "generator/link/linkenvironment.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <set>

namespace linktest {

class FakeClock final : public vosket::SteadyClock {
public:
    int64_t nowMs() const override { return now; }
    void sleepMs(int ms) override { now += std::max(ms, 1); }
    int64_t now = 1000;
};

struct Answer {
    QByteArray bytes;
    int delayMs = 0;
};

// What happened on the link, in order: "apply", "write", "timed-out write", "failed write".
struct LinkEvent {
    int64_t at;
    QString what;
    QByteArray bytes; // for writes
    vosket::LineConfig config; // for applies
};

class FakeLink final : public vosket::SerialLink {
public:
    explicit FakeLink(FakeClock& clock)
        : clock(clock)
    {
    }

    // The peer: given what was written, the answer to deliver (nothing when empty).
    std::function<Answer(const QByteArray& written)> peer;
    bool refuseApply = false;
    // How many more writes go out before the port is gone (the cable pulled); -1 for all.
    int writesLeft = -1;
    // Writes that time out, counted from 0 among the recorded events: the peer hears nothing and
    // the time-out passes.
    std::set<qsizetype> timeOuts;
    QList<LinkEvent> events;

    // Bytes that arrive at a given time, whatever was written.
    void deliver(const QByteArray& bytes, int64_t at)
    {
        for (char c : bytes)
            inbound.push_back({ at, static_cast<uint8_t>(c) });
    }

    // What went out; failed writes are events of their own.
    QList<QByteArray> writes(const QString& kind = QStringLiteral("write")) const
    {
        QList<QByteArray> out;
        for (const auto& e : events)
            if (e.what == kind)
                out << e.bytes;
        return out;
    }

    bool apply(const vosket::LineConfig& config) override
    {
        events.append({ clock.now, "apply", {}, config });
        return !refuseApply;
    }
    vosket::WriteResult write(std::span<const uint8_t> bytes) override
    {
        const QByteArray written(
            reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
        if (writesLeft == 0) {
            events.append({ clock.now, "failed write", written, {} });
            return vosket::WriteResult::PortGone;
        }
        if (writesLeft > 0)
            --writesLeft;
        const auto isWrite = [](const LinkEvent& e) { return e.what != "apply"; };
        if (timeOuts.contains(std::count_if(events.begin(), events.end(), isWrite))) {
            events.append({ clock.now, "timed-out write", written, {} });
            clock.now += vosket::writeTimeoutMs(bytes.size());
            return vosket::WriteResult::TimedOut;
        }
        events.append({ clock.now, "write", written, {} });
        if (peer) {
            const Answer a = peer(written);
            deliver(a.bytes, clock.now + a.delayMs);
        }
        return vosket::WriteResult::Written;
    }
    size_t read(uint8_t* into, size_t max) override
    {
        size_t n = 0;
        while (n < max && !inbound.empty() && inbound.front().at <= clock.now) {
            into[n++] = inbound.front().byte;
            inbound.pop_front();
        }
        return n;
    }
    void waitReadable(int ms) override
    {
        const int64_t limit = clock.now + std::max(ms, 1);
        clock.now = inbound.empty() ? limit : std::clamp(inbound.front().at, clock.now + 1, limit);
    }
    void discardInput() override
    {
        while (!inbound.empty() && inbound.front().at <= clock.now)
            inbound.pop_front();
    }
    // Once a write found it gone, until the test gives it writes again.
    bool gone() const override
    {
        return writesLeft == 0 && !writes(QStringLiteral("failed write")).isEmpty();
    }

private:
    struct Timed {
        int64_t at;
        uint8_t byte;
    };
    FakeClock& clock;
    std::deque<Timed> inbound;
};

// An environment whose opener hands out one fake link (kept alive by the test) or refuses.
struct FakeEnvironment {
    FakeClock clock;
    FakeLink link { clock };
    QStringList openedDevices;
    bool openFails = false;
    vosket::LinkEnvironment env;

    FakeEnvironment()
    {
        env.clock = &clock;
        env.open = [this](const QString& device, QString*) -> std::unique_ptr<vosket::SerialLink> {
            openedDevices << device;
            if (openFails)
                return nullptr;
            return std::make_unique<ForwardingLink>(link);
        };
    }
    FakeEnvironment(const FakeEnvironment&) = delete;
    FakeEnvironment& operator=(const FakeEnvironment&) = delete;

private:
    // The test keeps the fake (and what it recorded) after the protocol closed its port.
    class ForwardingLink final : public vosket::SerialLink {
    public:
        explicit ForwardingLink(FakeLink& to)
            : to(to)
        {
        }
        bool apply(const vosket::LineConfig& c) override { return to.apply(c); }
        vosket::WriteResult write(std::span<const uint8_t> b) override { return to.write(b); }
        size_t read(uint8_t* into, size_t max) override { return to.read(into, max); }
        void waitReadable(int ms) override { to.waitReadable(ms); }
        void discardInput() override { to.discardInput(); }
        bool gone() const override { return to.gone(); }

    private:
        FakeLink& to;
    };
};

} // namespace linktest
