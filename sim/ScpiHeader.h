#pragma once
// Matching of SCPI command headers against a pattern written in the usual
// notation: "[SOURce]:VOLTage[:LEVel][:IMMediate][:AMPLitude]". Each node is
// accepted in its long form or its short form (the part before the first
// lower-case letter), in any case; nodes in brackets may be left out.

#include <QString>
#include <QList>
#include <QStringView>
#include <vector>

namespace dalto::sim {

class ScpiHeaderPattern {
public:
    explicit ScpiHeaderPattern(QStringView pattern);

    // header: the command header without its "?", a leading ":" allowed.
    bool matches(QStringView header) const;

private:
    struct Node {
        QString longForm;
        QString shortForm;
        bool optional = false;
    };
    bool matchFrom(size_t node, const QList<QStringView>& parts, qsizetype part) const;

    std::vector<Node> nodes_;
};

} // namespace dalto::sim
