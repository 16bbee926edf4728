#pragma once
// A transaction on the calling thread's connection: the statements run through ExecSQL while it
// is open are stored together or not at all. Leaving the scope without commit() rolls back.
namespace korvell {

class Transaction {
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // False when no transaction could be begun; a toast has said why.
    bool active() const { return begun; }
    // Stores the statements; false (with a toast) when the database refused, and nothing is stored.
    [[nodiscard]] bool commit();

private:
    void rollback();
    bool begun = false;
};

} // namespace korvell
