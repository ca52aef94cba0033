#pragma once
// The INTERFACE dialog's rules, without widgets: what the message area says,
// which model radio and which port are shown, what "Ouvrir" does to the port
// and to "RéglagesInterface2.rg", and which indicator light is painted.
#include "services/prompts.h"
#include "timing/decoder_link.h"
#include "timing/interface_settings.h"

#include <string>
#include <vector>

namespace ksy {

inline constexpr const char* kIndicatorConnected = "images/voyantVert.bmp";
inline constexpr const char* kIndicatorDisconnected = "images/voyantRouge.bmp";

class InterfaceForm {
public:
    // portNames: the choices of the list (see timing/interface_ports.h).
    InterfaceForm(DecoderLink& link, Prompts& prompts, std::vector<std::string> portNames);

    // The dialog opens: the RC2 keep-alive and reconnection stop, the file is
    // read and shown.
    void open();
    // "Ok" or the close box: the next tick reads the settings file again.
    void close();

    // A model radio was clicked: the identity held by the dialog follows.
    void chooseModel(DecoderModel model);
    // A port chosen in the list or typed; false (and no change) when the name
    // cannot be stored: empty, TAB or line break, or not Windows-1252.
    bool choosePort(const std::string& name);
    // "Ouvrir": close the port, open the chosen one, identify, write the file.
    void openPort();

    const std::vector<std::string>& portNames() const { return portNames_; }
    const std::string& chosenPort() const { return settings_.portName; }
    DecoderModel shownModel() const { return decoderModelOf(settings_.identity); }
    bool connected() const { return settings_.connected == 1; }
    // The message area, with its "\r\n" line ends.
    const std::string& messages() const { return messages_; }
    const char* indicatorImage() const;

private:
    void addPortName(const std::string& name);

    DecoderLink& link_;
    Prompts& prompts_;
    std::vector<std::string> portNames_;
    InterfaceSettings settings_;
    std::string messages_;
};

} // namespace ksy
