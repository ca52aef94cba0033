#include "timing/interface_form.h"

#include "services/translate.h"
#include "storage/encoding.h"
#include "timing/decoder_exchange.h"

#include <algorithm>
#include <utility>

namespace ksy {
namespace {

std::string readyText(DecoderModel model)
{
    return model == DecoderModel::Rc2
        ? translate("InterfaceDialog", " Interface RC2 prête à fonctionner.\r\n")
        : translate("InterfaceDialog", " Interface RC1 prête à fonctionner.\r\n");
}

} // namespace

InterfaceForm::InterfaceForm(DecoderLink& link, Prompts& prompts,
                             std::vector<std::string> portNames)
    : link_(link), prompts_(prompts), portNames_(std::move(portNames))
{
}

void InterfaceForm::open()
{
    link_.suspendWatch();
    if (std::optional<InterfaceSettings> stored = readInterfaceSettings(link_.folder()))
        settings_ = *stored;
    else
        prompts_.error(kInterfaceFileDialogError);
    addPortName(settings_.portName);
    messages_ = connected() ? readyText(shownModel())
                            : translate("InterfaceDialog", " Port COM non ouvert !\r\n");
}

void InterfaceForm::close()
{
    link_.reloadOnNextTick();
}

void InterfaceForm::chooseModel(DecoderModel model)
{
    settings_.identity = model == DecoderModel::Rc2 ? kIdentityRc2 : kIdentityRc1;
}

bool InterfaceForm::choosePort(const std::string& name)
{
    if (name.empty() || !isStorableText(name))
        return false;
    settings_.portName = name;
    addPortName(name);
    return true;
}

void InterfaceForm::openPort()
{
    SerialLink& port = link_.port();
    port.close();
    settings_.connected = 0;
    messages_ = translate("InterfaceDialog", " Tentative d'ouverture du port COM:\r\n");
    if (!port.open(settings_.portName)) {
        messages_ = translate("InterfaceDialog",
            " Tentative à l'ouverture du port COM:\r\n"
            " Echec à l'ouverture du port COM !\r\n");
    } else {
        const bool rc2 = identifyDecoder(port, link_.clock()).replied;
        settings_.identity = rc2 ? kIdentityRc2 : kIdentityRc1;
        settings_.connected = 1;
        messages_ = translate("InterfaceDialog",
                        " Tentative à l'ouverture du port COM:\r\n"
                        " Ouverture du port COM OK !\r\n") +
            readyText(shownModel());
    }
    if (!writeInterfaceSettings(link_.folder(), settings_))
        prompts_.error(kInterfaceFileDialogError);
}

const char* InterfaceForm::indicatorImage() const
{
    return connected() ? kIndicatorConnected : kIndicatorDisconnected;
}

void InterfaceForm::addPortName(const std::string& name)
{
    // A typed path or a stored name that the system does not list (a
    // pseudo-terminal, an unplugged adapter) is still offered and selected.
    if (!name.empty() && std::find(portNames_.begin(), portNames_.end(), name) == portNames_.end())
        portNames_.push_back(name);
}

} // namespace ksy
