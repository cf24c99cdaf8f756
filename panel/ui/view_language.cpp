// The language chosen for this user: texts, colours and fonts of the labels, the label row of
// the page tabs, the menus' captions, and the language menu.
#include "ui/main_form_view.h"

#include "effects/panel_features.h"
#include "form.h"
#include "label.h"
#include "menu.h"
#include "ui/skin_files.h"

int MainFormView::BuildLanguageMenu() {
    LanguageMenu->Clear();
    ListBoxLanguageMap.clear();
    MenuItem* match = nullptr;
    std::wstring config = settings_.appFolder + kAppConfigFileName;
    for (const std::wstring& folder : ListSubfolders(m_strLanguageRoot + m_strResolutionFolder)) {
        std::wstring display =
            ReadConfigText(config, L"MultiLanguageFolderMap", folder).substr(0, 79);
        ListBoxLanguageMap.push_back(folder);
        MenuItem& item = LanguageMenu->Add(display, folder);
        item.RadioItem = true;
        item.OnClick = [this](MenuItem& clicked) { LanguageMenuClick(clicked); };
        if (!match && folder == m_strLanguageName) match = &item;
    }
    if (!match && !LanguageMenu->Items().empty()) match = LanguageMenu->Items().front().get();
    if (match) match->Checked = true;
    return static_cast<int>(LanguageMenu->Items().size());
}

void MainFormView::LanguageMenuClick(MenuItem& item) {
    const auto& items = LanguageMenu->Items();
    for (size_t i = 0; i < items.size(); ++i) {
        items[i]->Checked = items[i].get() == &item;
        if (items[i].get() == &item && i < ListBoxLanguageMap.size())
            m_strLanguageName = ListBoxLanguageMap[i];
    }
    LoadLanguage(m_strLanguageName);
    ApplyLanguage();
    ApplyPageVisibility(currentPage_);
    SaveUserChoices(m_strPerUserConfig, {m_strSkinName, m_strLanguageName});
}

void MainFormView::LoadLanguageTexts() {
    LoadLanguage(m_strLanguageName);
    ApplyLanguage();
}

void MainFormView::LoadLanguage(const std::wstring& languageName) {
    std::wstring file =
        m_strLanguageRoot + m_strResolutionFolder + languageName + L"\\Language.ini";
    ::LoadLanguage(ProfileFileReader(file), settings_.oldVersion, m_Texts);
}

TextItem* MainFormView::TextForLabel(const std::wstring& label) {
    for (size_t i = 0; i < LanguageKeys().size(); ++i)
        if (LanguageKeys()[i].control && label == LanguageKeys()[i].control)
            return &m_Texts.items[i];
    return nullptr;
}

void MainFormView::SetLabelColour(Label* label, bool down) {
    if (!label) return;
    TextItem* item = TextForLabel(label->Name());
    if (!item) return;
    if (down && (item->HasDownColour || m_Texts.GlobalDownColour != 0))
        label->SetFontColor(item->HasDownColour ? item->DownColour : m_Texts.GlobalDownColour);
    if (!down && (item->HasUpColour || m_Texts.GlobalUpColour != 0))
        label->SetFontColor(item->HasUpColour ? item->UpColour : m_Texts.GlobalUpColour);
}

void MainFormView::ApplyLanguage() {
    // Every label fed by the language file, in the colour of its control's state; the device
    // text, the preset caption and the value labels are finished below.
    for (const LanguageKey& key : LanguageKeys()) {
        if (!key.control || !*key.control) continue;
        Label* label = LabelNamed(key.control);
        if (!label || label == DeviceActiveLabel) continue;
        const Entry* entry = EntryOf(label);
        bool down = false;
        if (entry && entry->tableRow->role == ControlRole::PageTab) {
            down = entry->tableRow->arg == currentPage_;
        } else if (entry && entry->tableRow->role == ControlRole::Caption) {
            const Entry* picture = EntryNamed(entry->tableRow->partner);
            down = picture && IsDown(*picture);
        }
        if (TextItem* item = m_Texts.Find(key.name)) ApplyTextItem(*item, *label, !down, m_Texts);
    }
    // The page labels in one row, separated by the bevels.
    if (Control* bevel2 = form_.FindByName(L"Bevel2"); bevel2 && bevel2->Visible()) {
        const wchar_t* row[][2] = {
            {L"PageEQLabel", L"Bevel2"},  {L"PageEffectLabel", L"Bevel3"},
            {L"PageMicLabel", L"Bevel4"}, {L"PageVirtual7p1Label", L"Bevel5"},
            {L"PageENCLabel", L"Bevel6"}, {L"PageVMEffectLabel", L"Bevel7"},
            {L"PageLEDLabel", nullptr}};
        const int gaps[] = {5, 5, 5, 10, 5, 5};
        for (int i = 0; i < 6; ++i) {
            Label* left = LabelNamed(row[i][0]);
            Control* bevel = form_.FindByName(row[i][1]);
            Label* next = LabelNamed(row[i + 1][0]);
            if (!left || !bevel || !next) continue;
            bevel->SetLeft(left->Left() + left->Width());
            bevel->SetTop(left->Top());
            next->SetLeft(bevel->Left() + bevel->Width() + gaps[i]);
        }
    }
    ApplyDeviceStateText();
    if (TextItem* sx = m_Texts.Find(L"LabelSX"); sx && LabelNamed(L"SXLabel"))
        ApplyTextItem(*sx, *LabelNamed(L"SXLabel"), true, m_Texts);
    ShowValues();

    struct MenuText {
        MenuItem* item;
        const wchar_t* key;
        const wchar_t* fallback;
    };
    const MenuText menus[] = {{LanguageMenu, L"LabelLanguage", L"Language"},
                              {SkinMenu, L"LabelSkin", L"Skin"}};
    for (const MenuText& m : menus) {
        if (!m.item) continue;
        const TextItem* item = m_Texts.Find(m.key);
        m.item->Caption = item && !item->Text.empty() ? item->Text : m.fallback;
    }
    if (OnLanguageApplied) OnLanguageApplied();
}

// The device-state label takes the item of the state's text.
void MainFormView::ApplyDeviceStateText() {
    if (!DeviceActiveLabel) return;
    const wchar_t* key = m_strDeviceStateKey.empty()
                             ? (device_.m_bDevicePresent ? L"LabelActive" : L"LabelUnactive")
                             : m_strDeviceStateKey.c_str();
    if (TextItem* item = m_Texts.Find(key)) ApplyTextItem(*item, *DeviceActiveLabel, true, m_Texts);
}

// The captions that show values: the selected preset's name and the two levels.
void MainFormView::ShowValues() {
    if (Label* sx = LabelNamed(L"SXLabel"))
        if (const TextItem* preset =
                m_Texts.Find(L"LabelEQS" + std::to_wstring(features_.effects.CurrentPreset())))
            sx->SetCaption(preset->Text);
    if (Label* mic = LabelNamed(L"MicValueLabel"))
        mic->SetCaption(std::to_wstring(features_.microphone.MicVolume()));
    if (Label* enc = LabelNamed(L"ENCValueLabel"))
        enc->SetCaption(std::to_wstring(features_.microphone.ENCLevel()));
}

std::wstring MainFormView::MenuCaption(const wchar_t* key, const wchar_t* fallback) const {
    const TextItem* item = m_Texts.Find(key);
    return item && !item->Text.empty() ? item->Text : fallback;
}
