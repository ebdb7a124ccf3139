#include "app/no_display_exit.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>
#include <vector>

namespace klaxora {

namespace {

// The context's texts are the toolkit's own static strings, which it keeps for the program's life.
struct HeldMessage {
    QtMsgType Type;
    const char* File;
    int Line;
    const char* Function;
    const char* Category;
    QString Text;
};

// Qt's message handler is a plain function, so the one watch lives here while a NoDisplayExit does.
struct Watch {
    std::mutex Mutex;
    const std::string* ExitLine = nullptr;
    QtMessageHandler Previous = nullptr;
    std::vector<HeldMessage> Held;
};
Watch watch;

void PassOn(const std::vector<HeldMessage>& messages, QtMessageHandler handler)
{
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(message.File, message.Line, message.Function, message.Category);
        handler(message.Type, context, message.Text);
    }
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(watch.Mutex);
    // "... no Qt platform plugin could be initialized ...": no window system at all.
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fprintf(stderr, "%s\n", watch.ExitLine->c_str());
        std::fflush(stderr);
        // At once, as the abort would: an ordinary exit would tear down the half-built toolkit while the
        // files are still being read on another thread. A file being replaced meanwhile survives this as
        // it survives a kill.
        std::_Exit(1);
    }
    watch.Held.push_back({type, context.file, context.line, context.function, context.category, text});
    if (type == QtFatalMsg) {
        // Another fatal error: said as the toolkit says it, before it aborts.
        PassOn(watch.Held, watch.Previous);
        watch.Held.clear();
    }
}

} // namespace

NoDisplayExit::NoDisplayExit(std::string line) : line_(std::move(line))
{
    const std::lock_guard lock(watch.Mutex);
    watch.ExitLine = &line_;
    watch.Previous = qInstallMessageHandler(Hold);
}

NoDisplayExit::~NoDisplayExit()
{
    std::vector<HeldMessage> messages;
    QtMessageHandler handler = nullptr;
    {
        const std::lock_guard lock(watch.Mutex);
        handler = watch.Previous;
        qInstallMessageHandler(handler);
        messages.swap(watch.Held);
        watch.ExitLine = nullptr;
    }
    PassOn(messages, handler);
}

} // namespace klaxora
