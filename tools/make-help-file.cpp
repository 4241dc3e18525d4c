// Writes the help data file "StootplannerHelp.hlp" from the topic source
// (help-topics.txt): one 2157-byte record per topic, record k holding topic k.
// Usage: make-help-file <help-topics.txt> <StootplannerHelp.hlp>
#include "core/helpfile.h"
#include "core/recordfile.h"

#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-help-file <help-topics.txt> <output.hlp>\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make-help-file: cannot read %s\n", argv[1]);
        return 1;
    }
    QString error;
    const auto topics = core::parseHelpTopics(QString::fromUtf8(in.readAll()), &error);
    if (!topics) {
        std::fprintf(stderr, "make-help-file: %s\n", qPrintable(error));
        return 1;
    }
    QByteArray out;
    for (const core::HelpRec& h : *topics)
        out.append(h.toBytes());
    // All or nothing: a failed write leaves the old file as it was.
    if (QString why; !core::replaceFile(QString::fromLocal8Bit(argv[2]), out, &why)) {
        std::fprintf(stderr, "make-help-file: cannot write %s: %s\n", argv[2], qPrintable(why));
        return 1;
    }
    std::printf("%d topics written\n", int(topics->size()));
    return 0;
}
