// Resource identifiers of Stats.dll, shared by Stats.rc and the windows'
// code (the generic dialog layer in ui/ never includes it). Only
// preprocessor definitions may stand here: the resource compiler reads it too.
#ifndef STATS_RESOURCES_RESOURCE_IDS_H_
#define STATS_RESOURCES_RESOURCE_IDS_H_

// Icon of the plug-in's windows.
#define IDI_STATS 113

// Cabrillo header dialog.
#define IDD_CABRILLO 101
#define IDC_CAB_SOAPBOX 1001
#define IDC_CAB_ADDRESS 1002
#define IDC_CAB_ADDRESS_CITY 1003
#define IDC_CAB_EMAIL 1004
#define IDC_CAB_CLUB 1005
#define IDC_CAB_OPERATORS 1006
#define IDC_CAB_NAME 1007
#define IDC_CAB_CLAIMED 1008
#define IDC_CAB_CONTEST 1009
#define IDC_CAB_CALLSIGN 1010
#define IDC_CAB_ADDRESS_ST_PROV 1011
#define IDC_CAB_ADDRESS_POSTALCODE 1012
#define IDC_CAB_CATEGORY_OPERATOR 1013
#define IDC_CAB_CATEGORY_BAND 1014
#define IDC_CAB_ADDRESS_COUNTRY 1015
#define IDC_CAB_CATEGORY_ASSISTED 1016
#define IDC_CAB_CATEGORY_MODE 1020
#define IDC_CAB_CATEGORY_POWER 1021
#define IDC_CAB_CATEGORY_TRANSMITTER 1022
#define IDC_CAB_CATEGORY_OVERLAY 1023
#define IDC_CAB_LOCATION 1024
#define IDC_CAB_CATEGORY_STATION 1025

// Multiplier window.
#define IDD_MULTIPLIER 105
#define IDC_INFO_BUTTON 1016

// Zone flag window; its check boxes are numbered by zone (ZoneFlagId).
#define IDD_ZONE_FLAGS 114

// Zone window; its buttons are numbered by zone (ZoneButtonId).
#define IDD_ZONE_SEARCH 125

// Resource type of a dialog's initial data (the combo and list box entries a
// dialog is filled with when it opens), keyed by the dialog's template id.
#define RT_DIALOG_INIT 240

// Extended multiplier window: the frame, its tab control, and the continent
// pages in tab order. The pages' check boxes are numbered in the templates
// themselves; their table is ui/windows/continent_pages.cpp.
#define IDD_MULTIPLIER_MULT 116
#define IDC_MULTIPLIER_MULT_TABS 1025
#define IDD_WAE_ALL 117
#define IDD_AF_DXCC 118
#define IDD_AS_DXCC 119
#define IDD_NA_DXCC 120
#define IDD_SA_DXCC 121
#define IDD_OC_DXCC 122

#endif  // STATS_RESOURCES_RESOURCE_IDS_H_
