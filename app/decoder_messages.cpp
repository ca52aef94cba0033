#include "app/decoder_messages.h"

#include "services/translate.h"
#include "timing/decoder_link.h"

namespace ksy {
namespace {

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
        text.compare(text.size() - end.size(), end.size(), end) == 0;
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
        return translate("DecoderMessages", "Décodeur : aucun port choisi (Réglages > Interface)");
    case LinkState::Connected:
        return fillText(
            translate("DecoderMessages", "Décodeur %1 connecté (%2)"), {modelOf(link), port});
    case LinkState::Lost:
        return fillText(
            translate("DecoderMessages", "Décodeur %1 perdu (%2) : nouvel essai toutes les 4,5 s"),
            {modelOf(link), port});
    case LinkState::NotConnected:
        break;
    }
    return fillText(
        translate("DecoderMessages", "Décodeur non connecté (%1) : Réglages > Interface"), {port});
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
                translate("DecoderMessages",
                    "Echec à l'ouverture du port COM : aucun port n'est choisi.\nChoisissez le "
                    "port du décodeur dans Réglages > Interface."),
                icon);
        else
            shown_.message(title,
                fillText(translate("DecoderMessages",
                             "Echec à l'ouverture du port COM %1.\nVérifiez que le décodeur est "
                             "branché et allumé, ou choisissez son port dans Réglages > "
                             "Interface."),
                    {port}),
                icon);
        return;
    }
    if (endsWith(text, translate("Prompts", kRecoveryFailed))) {
        // The program keeps trying; the window shows the state meanwhile.
        if (lossSaid_)
            return;
        lossSaid_ = true;
        shown_.message(title,
            text +
                fillText(translate("DecoderMessages",
                             "\nLe décodeur %1 du port %2 ne répond plus (éteint, débranché ou "
                             "remplacé par un autre modèle).\nLe programme réessaie toutes les "
                             "4,5 s sans autre message ; l'état du décodeur est affiché dans la "
                             "fenêtre.\nPour changer de port ou de décodeur : Réglages > "
                             "Interface."),
                    {modelOf(*link_), port}),
            icon);
        return;
    }
    shown_.message(title, text, icon);
}

} // namespace ksy
