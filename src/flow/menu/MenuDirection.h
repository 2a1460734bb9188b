#pragma once
// The four directions in which focus moves between menu buttons; the index of a button's
// neighbours in its MenuInputDetector's "transitions".
enum MenuDirection : int
{
  MENU_UP = 0,
  MENU_RIGHT = 1,
  MENU_DOWN = 2,
  MENU_LEFT = 3,
  MENU_DIRECTION_COUNT = 4,
};
