#include "settings/texts.h"

namespace zarvane {

namespace {

// The four count labels of the deductions are one family, numbered by suit.
constexpr ControlText kSidePanelHints[] = {
    {"PanelNiveau", {"Niveau de jeu", "Game Level"}},
    {"PanelPreneur", {"Position du Preneur", "Position of the Taker"}},
    {"PanelEnchere", {"Enchère du Preneur", "Bid of the Taker"}},
    {"nPointsAttaque", {"Points du Preneur", "Taker score"}},
    {"nBoutsPreneur", {"Nombre de bouts du Preneur", "Oudlers number of Taker"}},
    {"nContrat", {"Contrat à réaliser (nombre de points)", "Contract (number of points to get)"}},
    {"nBoutsDefense", {"Nombre de bouts en Défense", "Oudlers number of Defense"}},
    {"nPointsDefense", {"Points de la Défense", "Defense score"}},
    {"PanelAtoutMax", {"Atout maximal pas encore joué", "Maximal Trump"}},
    {"PanelAtExt", {"Nombre d'atouts restant dehors", "Trumps number outside your hand"}},
    {"CountLabel", {"Nombre de piques restant dehors", "Number of Spades outside"}, 1},
    {"CountLabel", {"Nombre de coeurs restant dehors", "Number of Hearts outside"}, 2},
    {"CountLabel", {"Nombre de trèfles restant dehors", "Number of Clubs outside"}, 3},
    {"CountLabel", {"Nombre de carreaux restant dehors", "Number of Diamonds outside"}, 4},
};

// A window's caption is its title.
constexpr ControlText kWindowCaptions[] = {
    {"frmPoignee",
     {"Sélectionnez les cartes à mettre dans la Poignée !",
      "Choose cards to create your Poignée !"}},
    {"PanelBoutonParesseux", {"Bouton paresseux...", "Lazy button..."}},
    {"PanelAnnulerPoignee", {"Annuler la Poignée !", "Cancel the Poignée !"}},
    {"frmPliPrecedent", {"Voici le pli précédent...", "Here is the previous trick..."}},
    {"frmTousPlis", {"Voici les 18 plis de la partie !", "Here are the 18 tricks of the deal !"}},
    {"PanelEffacer", {"Effacer tout", "Erase all"}},
    {"PanelPasApas", {"Pas à pas", "Step by step"}},
    {"PanelVoirTout", {"Voir tout", "See all tricks"}},
    {"frmMains", {"Les 4 mains et le chien...", "The 4 hands and the dog..."}},
    {"PanelChien", {"LE CHIEN", "THE DOG"}},
    {"PanelEcart", {"L'ECART", "THE DISCARD"}},
    {"frmScoreDetaille", {"Score détaillé de la partie", "Score of this deal"}},
    {"panelPreneur", {"PRENEUR", "TAKER"}},
    {"panelPoints", {"Points réalisés", "Points"}},
    {"panelDefContrat", {"CONTRAT", "CONTRACT"}},
    {"panelDefPrimePetit", {"Prime du Petit au bout", "Bonus : Petit in the last trick"}},
    {"panelDefNbBouts", {"Nombre de BOUTS", "Oudlers nubmer"}},
    {"panelDefPrimePoignee", {"Prime de Poignée", "Bonus of Poignee"}},
};

constexpr ControlText kMenuCaptions[] = {
    {"menuNewGame", {"&Nouvelle partie", "&New deal"}},
    {"menuGameAgain", {"&Redémarrer la partie", "&Re-start the deal"}},
    {"menuInitScores", {"&Initialiser les scores", "&Init scores"}},
    {"menuQuit", {"&Quitter", "&Quit"}},
    {"menuVoir", {"&Voir", "Loo&K"}},
    {"menuScoresGlobaux", {"Les &Scores globaux", "&Global scores"}},
    {"menuConseilEnch", {"Le &Conseil d'enchère", "Bid &Advice"}},
    {"menuPointsPartieEnCours", {"Les &Points de la partie en cours", "&Scores of current deal"}},
    {"menuDeductions", {"&Déductions", "&Deductions"}},
    {"menuPreviousTrick", {"&Le pli précédent", "The &Previous trick"}},
    {"menuLevel", {"&Niveau", "&Level"}},
    {"menuDebutant", {"&Débutant", "&Beginner"}},
    {"menuAmateur", {"&Amateur", "&Medium"}},
    {"menuBon", {"&Bon", "&Advanced"}},
    {"menuPro", {"&Pro", "&Pro"}},
    {"menuExpert", {"&Expert", "&Expert"}},
    {"menuConseilCarte", {"Conseil", "Advice"}},
    {"menuForce", {"&Force de votre main", "&Strenght of Your Hand"}},
    {"menuForceNormale", {"&Normale (aléatoire)", "&Normal (random)"}},
    {"menuForcePrise", {"&Prise", "&Take"}},
    {"menuForceGarde", {"&Garde", "&Guard"}},
    {"menuForceGardeSans", {"Garde &Sans", "Guard &Without"}},
    {"menuForceGardeContre", {"Garde &Contre", "Guard &Against"}},
    {"menuForceDefense", {"&Défense (faible)", "&Defense (weak)"}},
    {"menuAtLeast", {"&Au moins une main quelconque de PRISE !", "&At least a hand TAKING !"}},
    {"menuVitesses", {"Vitesse&S", "&Speeds"}},
    {"menuJeuDeLaCarte", {"&Jeu de la carte", "&Card throw"}},
    {"menuInstantane", {"&Instantané", "&Very quick"}},
    {"menuRapide", {"&Rapide", "&Quick"}},
    {"menuNormal", {"&Normal", "&Normal"}},
    {"menuLent", {"&Lent", "&Slow"}},
    {"menuEscargot", {"&Escargot", "&Very slow"}},
    {"menuAttenteEntreChaquePli", {"&Attente entre chaque pli", "&Laps time between each trick:"}},
    {"menuCinqSecondes", {"&Cinq secondes", "&Five seconds"}},
    {"menuDeuxSecondes", {"&Deux secondes", "&Two seconds"}},
    {"menuUneSeconde", {"&Une seconde", "&One second"}},
    {"menuClickObligatoire", {"Click &Obligatoire", "&Mandatory click"}},
    {"menuAide", {"&Aide", "&Help"}},
    {"menuSommaire", {"&Sommaire", "&Contents"}},
    {"menuApropos", {"&A propos", "&About"}},
};

constexpr ControlText kButtonHints[] = {
    {"SBNewGame", {"Nouvelle partie", "New deal"}},
    {"SBGameAgain", {"Redémarrer la partie", "Re-start the deal"}},
    {"SBFondEcran", {"Couleur du fond d'écran", "Background color"}},
    {"SBVoirPliPrecedent", {"Pli précédent", "Previous trick"}},
    {"SBVoirScoresGlobaux", {"Scores globaux", "Global scores"}},
    {"SBVoirDeductions", {"Déductions", "Deductions"}},
    {"SBInitScores", {"Scores à 0", "Init Scores"}},
    {"SBQuitter", {"Quit", "Quit"}},
    {"SBAide", {"Aide de Zarvane", "Zarvane Help"}},
    {"SBConseilCarte",
     {"Conseil : la carte que l'ordinateur jouerait à votre place est levée ; à vous de cliquer",
      "Advice: the card the computer would play in your place is lifted; you still click it"}},
};

constexpr ControlText kButtonCaptions[] = {
    {"PanelInfoDeductions", {"Déductions", "Deductions"}},
    {"PanelLancement", {"Cliquez ici pour commencer à jouer !", "Click here to start playing !"}},
    {"PanelPoigneeSimple", {"Poignée SIMPLE", "SINGLE POIGNEE"}},
    {"PanelPoigneeDouble", {"Poignée DOUBLE", "DOUBLE POIGNEE"}},
    {"PanelPoigneeTriple", {"Poignée TRIPLE", "TRIPLE POIGNEE"}},
    {"PanelPoigneeAucune", {"Aucune", "NO ONE !"}},
    {"PanelConfirmeEcart", {"Accepter cet écart", "Confirm discard"}},
    {"PanelPanelNewPartie", {"NOUVELLE DONNE", "NEW DEAL"}},
    {"panelRejouerDonne", {"REJOUER LA DONNE", "SAME DEAL"}},
    {"PanelVoirMains", {"VOIR LES MAINS", "SEE HANDS"}},
    {"PanelScoreDetaille", {"SCORES", "SCORES"}},
    {"PanelVoirPlis", {"VOIR LES 18 PLIS", "SEE TRICKS"}},
};

}  // namespace

std::string_view Pick(int language, const Bilingual& text) {
  switch (language) {
    case kFrench:
      return text.french;
    case kEnglish:
      return text.english;
    default:
      return {};
  }
}

std::span<const ControlText> SidePanelHints() {
  return kSidePanelHints;
}
std::span<const ControlText> WindowCaptions() {
  return kWindowCaptions;
}
std::span<const ControlText> MenuCaptions() {
  return kMenuCaptions;
}
std::span<const ControlText> ButtonHints() {
  return kButtonHints;
}
std::span<const ControlText> ButtonCaptions() {
  return kButtonCaptions;
}

}  // namespace zarvane
