// Resource and control ids of the month calendar window.
#pragma once

#define CNCALENDAR_IDD_MONTHCALENDARWND 2101
#define CNCALENDAR_IDC_YEARLIST 1019
#define CNCALENDAR_IDC_MONTHLIST 1020
#define CNCALENDAR_IDC_CALENDAR 2046
