#include "app/decoder_messages.h"

#include "timing/decoder_link.h"

namespace ksy {
namespace {

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string modelOf(const DecoderLink& link)
{
    return link.isRc2() ? "RC2" : "RC1";
}

} // namespace

LinkState linkState(const DecoderLink& link)
{
    const InterfaceSettings& s = link.settings();
    if (s.portName.empty())
        return LinkState::NoPort;
    if (s.connected == 1)
        return LinkState::Connected;
    return link.reconnectPending() ? LinkState::Lost : LinkState::NotConnected;
}

std::string linkStateText(const DecoderLink& link)
{
    const std::string port = link.settings().portName;
    switch (linkState(link)) {
    case LinkState::NoPort:
        return std::string("Décodeur : aucun port choisi (") + kInterfacePlace + ")";
    case LinkState::Connected:
        return "Décodeur " + modelOf(link) + " connecté (" + port + ")";
    case LinkState::Lost:
        return "Décodeur " + modelOf(link) + " perdu (" + port + ") : nouvel essai toutes les 4,5 s";
    case LinkState::NotConnected:
        break;
    }
    return "Décodeur non connecté (" + port + ") : " + kInterfacePlace;
}

void DecoderMessages::stateSeen()
{
    if (link_ && linkState(*link_) == LinkState::Connected)
        lossSaid_ = false;
}

void DecoderMessages::message(const std::string& title, const std::string& text, PromptIcon icon)
{
    if (!link_) {
        shown_.message(title, text, icon);
        return;
    }
    const std::string port = link_->settings().portName;
    if (text == kPortOpenFailed) {
        if (port.empty())
            shown_.message(title,
                std::string(kPortOpenFailed) + " : aucun port n'est choisi.\nChoisissez le port "
                    "du décodeur dans " + kInterfacePlace + ".",
                icon);
        else
            shown_.message(title,
                std::string(kPortOpenFailed) + " " + port + ".\nVérifiez que le décodeur est "
                    "branché et allumé, ou choisissez son port dans " + kInterfacePlace + ".",
                icon);
        return;
    }
    if (endsWith(text, kRecoveryFailed)) {
        // The program keeps trying; the window shows the state meanwhile.
        if (lossSaid_)
            return;
        lossSaid_ = true;
        shown_.message(title,
            text + "\nLe décodeur " + modelOf(*link_) + " du port " + port +
                " ne répond plus (éteint, débranché ou remplacé par un autre modèle).\n"
                "Le programme réessaie toutes les 4,5 s sans autre message ; l'état du décodeur "
                "est affiché dans la fenêtre.\nPour changer de port ou de décodeur : " +
                kInterfacePlace + ".",
            icon);
        return;
    }
    shown_.message(title, text, icon);
}

} // namespace ksy
