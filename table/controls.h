#pragma once

#include <optional>
#include <string_view>

namespace zarvane {

// Every control the presenter talks to, under the component names the program has always
// used. A family of controls (Carte3D1..Carte3D24) is one name with an index. The list is
// written once here and gives both the enum and the names, which the windows use as object
// names and the text tables use as keys.
// clang-format off
#define ZARVANE_CONTROLS(X) \
  /* the game window and its bar */ \
  X(frmZarvane) X(PanelHaut) X(SBNewGame) X(SBGameAgain) X(SBInitScores) X(SBQuitter) \
  X(SBVoirScoresGlobaux) X(SBVoirDeductions) X(SBVoirPliPrecedent) X(SBFondEcran) X(SBAide) X(SBConseilCarte) \
  X(info) \
  /* deductions */ \
  X(PanelDeductions) X(PanelInfoDeductions) X(PanelAtoutMax) X(Panel21) X(PanelPetit) \
  X(PanelExcuse) X(PanelAtExt) X(ImagePique) X(ImageCoeur) X(ImageTrefle) X(ImageCarreau) \
  X(HonourCell) X(CountLabel) \
  /* side panels */ \
  X(PanelNiveau) X(PanelPreneur) X(PanelEnchere) X(PanneauScores) X(nPointsAttaque) \
  X(nBoutsPreneur) X(nContrat) X(nBoutsDefense) X(nPointsDefense) \
  /* the table */ \
  X(TableRonde) X(CarteTable) X(CadrePreneur) X(PanelDec) X(panelScoreTotal) \
  X(PanelLancement) X(PanelRegle) \
  /* poignee question */ \
  X(PanelPoignee) X(PanelPoigneeSimple) X(PanelPoigneeDouble) X(PanelPoigneeTriple) \
  X(PanelPoigneeAucune) \
  /* bidding and discard */ \
  X(PanelConfirmeEcart) X(BarreEnchere) X(ButtonPasse) X(ButtonPrise) X(ButtonGarde) \
  X(ButtonGardeSans) X(ButtonGardeContre) X(evMaMain) \
  /* card images */ \
  X(Carte3D) X(CarteChien) \
  /* result panel */ \
  X(PanelResultat) X(PanelTexteResultat) X(panelRejouerDonne) X(PanelVoirMains) \
  X(PanelVoirPlis) X(PanelScoreDetaille) X(PanelPanelNewPartie) \
  /* menus */ \
  X(menuZarvane) X(menuNewGame) X(menuGameAgain) X(menuInitScores) X(menuQuit) X(menuLevel) \
  X(menuDebutant) X(menuAmateur) X(menuBon) X(menuPro) X(menuExpert) X(menuVoir) \
  X(menuScoresGlobaux) X(menuConseilCarte) \
  X(menuConseilEnch) X(menuPointsPartieEnCours) X(menuDeductions) X(menuPreviousTrick) \
  X(menuForce) X(menuForceNormale) X(menuForcePrise) X(menuForceGarde) \
  X(menuForceGardeSans) X(menuForceGardeContre) X(menuForceDefense) X(menuAtLeast) \
  X(menuVitesses) X(menuJeuDeLaCarte) X(menuInstantane) X(menuRapide) X(menuNormal) \
  X(menuLent) X(menuEscargot) X(menuAttenteEntreChaquePli) X(menuClickObligatoire) \
  X(menuUneSeconde) X(menuDeuxSecondes) X(menuCinqSecondes) X(menuAide) X(menuSommaire) \
  X(menuApropos) \
  /* the other windows */ \
  X(frmSplash) X(lblCompanyProduct) X(PanelStartFrench) X(PanelStartEnglish) \
  X(frmPliPrecedent) X(cardPreviousTrick) X(ButtonOkPreviousTrick) \
  X(frmTousPlis) X(CartePli) X(CadrePli) X(PanelEffacer) X(PanelPasApas) X(PanelVoirTout) \
  X(PanelPlisOk) \
  X(frmMains) X(PanelMainSud) X(PanelMainEst) X(PanelMainNord) X(PanelMainOuest) X(CarteMain) \
  X(PanelChienAvantEcart) X(CarteAvantEcart) X(PanelChien) X(PanelChienApresEcart) \
  X(CarteApresEcart) X(PanelEcart) X(CadreEcart) X(PanelMainsOK) \
  X(frmPoignee) X(CartePoignee) X(PanelBoutonParesseux) X(PanelOkPoignee) \
  X(PanelAnnulerPoignee) X(frmScoreDetaille) X(panelPreneur) X(panelPoints) \
  X(panelDefContrat) X(panelDefPrimePetit) X(panelDefNbBouts) X(panelDefPrimePoignee) \
  /* the score sheet's rows */ \
  X(panelPointsRealises) X(panelMoins) X(panelContrat) X(panelEgal1) X(panelAuDessusContrat) \
  X(panelSensPrimePetit) X(panelPrimePetit) X(panelEgal2) X(panelScoreApresPetit) \
  X(panelSigneGain) X(panelConstContrat) X(panelEgal3) X(panelScoreTmp) X(panelX) \
  X(panelCoefficientEnchere) X(panelEgal4) X(panelScoreApresEnchere) X(panelSensPoignee) \
  X(panelValeurPoignee) X(panelEgal5) X(panelScoreApresPoignee) X(panelX3) \
  X(panelScoreFinalPreneur) X(panelNbBouts) X(cardinalPreneur) X(panelFeuilleScore) \
  /* added since, last so that no control above changes its number: the history of the \
     scores, the deal's code in the four-hands window, playing a deal by its code, and the \
     background colour's menu entry, the analysis of South's play: its button, its entry, its
     window, and the frames it puts in the all-tricks window */ \
  X(menuHistorique) X(PanelCodeDonne) X(PanelCopierCode) X(menuJouerDonne) X(menuCouleurFond) \
  X(PanelAnalyse) X(menuAnalyse) X(frmAnalyse) X(CadreAnalyse)
// clang-format on

enum class Control {
#define ZARVANE_CONTROL_ENUM(name) name,
  ZARVANE_CONTROLS(ZARVANE_CONTROL_ENUM)
#undef ZARVANE_CONTROL_ENUM
};

inline constexpr Control kAllControls[] = {
#define ZARVANE_CONTROL_ITEM(name) Control::name,
    ZARVANE_CONTROLS(ZARVANE_CONTROL_ITEM)
#undef ZARVANE_CONTROL_ITEM
};

// The bid bar's buttons, indexed by bid code.
inline constexpr Control kBidButtons[] = {Control::ButtonPasse, Control::ButtonPrise,
                                          Control::ButtonGarde, Control::ButtonGardeSans,
                                          Control::ButtonGardeContre};

std::string_view ControlName(Control control);
std::optional<Control> ControlFromName(std::string_view name);

}  // namespace zarvane
