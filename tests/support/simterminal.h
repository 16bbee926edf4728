#pragma once
// The 7300 terminal (and, optionally, its infrared cradle) at the far end of a pseudo-terminal,
// written from the protocol's description. It runs in its own thread while the generator's code
// under test talks to the pseudo-terminal's other end.
#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace linktest {

// A pseudo-terminal pair; the slave end stays open so the master never sees a hang-up.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;
    int master = -1;
    int slave = -1;
    QString slavePath;
};

struct SimBehaviour {
    // Download side.
    bool lookupFile = false; // expects checksummed lines and "OVER" instead of program blocks
    int silentReplies = 0; // the first n units get no answer at all
    int wrongReplies = 0; // the next n get "ERR"
    int lateMs = 0; // the first answer waits this long
    int fullAtUnit = -1; // this data unit (from 0, counted per attempt) is answered "FULL", once
    // Instead the terminal holds the line from the ACK before that unit for this long, so that the
    // unit's write times out, then lets it go and says "FULL".
    int fullHoldMs = 0;
    int hangUpAtUnit = -1; // closes its end when this data unit comes, without answering it
    // Collection side.
    std::vector<QByteArray> records; // data bytes of the records to send, in order
    std::set<int> corruptOnce; // records first sent with a wrong sum
    std::set<int> repeatOnce; // records sent again after their ACK, as if it was lost
    std::set<int> skipOnce; // records first sent with the following sequence value
    int silentAfterRecords = -1; // stops answering once this many records were acknowledged
    int hangUpAfterRecords = -1; // closes its end once this many records were acknowledged
    // A cradle in front of the terminal, running at this speed until told another.
    int cradleBaud = 0;
};

class SimTerminal {
public:
    SimTerminal(PtyPair& pty, SimBehaviour behaviour);
    ~SimTerminal();
    SimTerminal(const SimTerminal&) = delete;
    SimTerminal& operator=(const SimTerminal&) = delete;

    // Stops the thread; the results below are then stable.
    void stop();

    std::vector<uint8_t> image; // program blocks as assembled, 100 bytes each
    QList<QByteArray> lookupLines; // data bytes of each accepted lookup line
    bool lookupEnded = false;
    int handshakes = 0;
    int badUnits = 0; // blocks or lines with a wrong sum or number
    QList<QByteArray> fromGenerator; // collection: "READ\r", "ACK\r", "NAK\r" as received
    QList<uint8_t> cradleBytes; // bytes the cradle took in command mode
    int cradleBaudNow = 0;

private:
    void run();
    void process();
    void cradleByte(uint8_t byte);
    void answer(const QByteArray& reply);
    void dataUnitAnswer(bool good);
    void sendRecord();
    void hangUp();
    int slaveBaud() const;

    PtyPair& pty;
    SimBehaviour b;
    std::atomic<bool> stopping { false };
    std::thread thread;
    QByteArray in;
    enum class Phase { Idle, Download, Collect } phase = Phase::Idle;
    bool passThrough = false;
    bool settingSpeed = false;
    int pendingBaud = 0;
    int replies = 0;
    int dataUnits = 0;
    size_t nextRecord = 0;
    std::set<int> corruptDone, repeatDone, skipDone;
    bool repeating = false;
    int acked = 0;
};

} // namespace linktest
