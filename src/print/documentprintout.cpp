#include "documentprintout.h"

#include "documentwindow.h"

namespace comm::print {

CommPrintout PrintoutFromDocument(const DocumentWindow& window) {
    using Option = DocumentWindow::Option;
    // The same option values a save or a run takes from the window.
    const CommOptions options = window.options();

    CommPrintout p;
    p.caption = window.caption();
    p.kindLine = window.kindLine();
    p.settingsLine = window.settingsLine();
    p.loop = {window.groupCaption(0), window.optionCaption(Option::LoopForever),
              window.optionCaption(Option::LoopCount), options.loopForever, options.loopText};
    p.delay = {window.groupCaption(1), window.optionCaption(Option::NoDelay),
               window.optionCaption(Option::DelayTime), options.noDelay, options.delayText};
    const auto checkName = [&window](FrameSide side) {
        const std::optional<Checksum> name = window.definition().checkName(side);
        return name ? ChecksumOf(*name).caption() : QString();
    };
    p.sendPanel = {window.frameCaption(FrameSide::Send), window.isFrameShown(FrameSide::Send),
                   checkName(FrameSide::Send)};
    p.recvPanel = {window.frameCaption(FrameSide::Recv), window.isFrameShown(FrameSide::Recv),
                   checkName(FrameSide::Recv)};
    p.fieldCounts = window.definition().FrameFieldCount;
    return p;
}

}  // namespace comm::print
