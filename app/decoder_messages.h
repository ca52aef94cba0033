#pragma once
// What the official is told about the decoder. The link says "Echec à la
// récupération." after every attempt while the decoder does not answer (one
// box every 4.5 s); here it is said once per loss, naming the port and the
// model and where to change them, and the link state stays in sight in the
// window while the program keeps retrying quietly. The start-up's "Echec à
// l'ouverture du port COM" names the port, or says that none is set.
#include "services/prompts.h"

#include <string>

namespace ksy {

class DecoderLink;

// Where the official changes the decoder's port.
inline constexpr const char* kInterfacePlace = "Réglages > Interface";

// The link's state in a few words ("Décodeur RC2 connecté (/dev/ttyUSB0)").
enum class LinkState { NoPort, Connected, Lost, NotConnected };
LinkState linkState(const DecoderLink& link);
std::string linkStateText(const DecoderLink& link);

// Stands between the link and the program's boxes.
class DecoderMessages : public Prompts {
public:
    explicit DecoderMessages(Prompts& shown)
        : shown_(shown)
    {
    }
    // The link whose messages pass here (set once it exists).
    void watch(const DecoderLink& link) { link_ = &link; }
    // Called as the window looks at the link: a loss said once is said again
    // only after the decoder came back in between.
    void stateSeen();

    void message(const std::string& title, const std::string& text, PromptIcon icon) override;
    Answer askYesNoCancel(const std::string& title, const std::string& text) override
    {
        return shown_.askYesNoCancel(title, text);
    }
    Answer askYesNo(const std::string& title, const std::string& text) override
    {
        return shown_.askYesNo(title, text);
    }
    Answer askYesNoDefaultNo(const std::string& title, const std::string& text) override
    {
        return shown_.askYesNoDefaultNo(title, text);
    }

private:
    std::string portText() const;
    std::string modelText() const;

    Prompts& shown_;
    const DecoderLink* link_ = nullptr;
    bool lossSaid_ = false;
};

} // namespace ksy
