#pragma once
// Draws a character's two arms as jointed limbs that follow its aim, and puts the items of its
// first two equipment slots in their hands. Each arm has a shoulder, an elbow and a hand on three
// ellipses round the body (three quarters as tall as wide, each raised by its own height): the
// shoulders and elbows a quarter turn either side of the aim, the hands 30 degrees either side.
// Each segment is one textured quad on "DL_MAIN", sorted by its joint's place on its ellipse, so
// the far arm goes behind the body and the near one in front. The front drawings serve the side
// of an arm that faces the viewer, the back drawings the other.
//
// The joint sizes are in pixels of the body's picture ("scale" times the sprite's world units per
// pixel), so the arms fit the body whatever size it is drawn at. The arms follow the Agent's
// facing.
#include "object/Component.h"
#include "render/InstanceData.h"

#include <array>
#include <glm/mat3x3.hpp>
#include <glm/vec2.hpp>
#include <string>

class DiedEvent;
class DrawEvent;
class UpdateEvent;
namespace Graphics
{
class Graphics;
struct Layer;
}  // namespace Graphics

class ArmAnimator : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ArmAnimator;
  static constexpr const char* LayerName = "DL_MAIN";

  // The four drawings, in the order of their records.
  enum Drawing
  {
    Upper = 0,
    Lower = 1,
    UpperBack = 2,
    LowerBack = 3,
    DrawingCount = 4,
  };

  struct Arm
  {
    glm::vec2 shoulder{0.0f, 0.0f};
    glm::vec2 elbow{0.0f, 0.0f};
    glm::vec2 hand{0.0f, 0.0f};
    glm::mat3 upper{1.0f};
    glm::mat3 lower{1.0f};
    glm::mat3 handMatrix{1.0f};
    float upperSortY = 0.0f;
    float lowerSortY = 0.0f;
    Drawing upperDrawing = Upper;
    Drawing lowerDrawing = Lower;
  };

  ArmAnimator() : Component(TypeId) {}
  ArmAnimator& operator=(const ArmAnimator&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  // Works the sizes out again from the members.
  void MembersChanged() override;

  // Arms stop being drawn for good; the held items keep following the facing.
  void On(DiedEvent* event);
  void On(UpdateEvent* event);
  void On(DrawEvent* event);

  // The sizes from the members, the drawings and the body's sprite.
  void ComputeDimensions();
  // Joints, quads, sort keys and the held items from "aim".
  void UpdateGeometry();
  // No more arms (the victory pose shows its own).
  void Hide() { visible = false; }

  const Arm& GetArm(int index) const { return arms[index]; }
  glm::vec2 GetAim() const { return aim; }
  bool IsVisible() const { return visible && !dead; }
  float GetArmWidth() const { return armWidth; }

private:
  struct Ring
  {
    float height = 0.0f;  // above the body's centre
    float halfWidth = 0.0f;
    float halfHeight = 0.0f;
  };

  // A segment's quad: the drawing stretched so that its limb reaches from `from` to `to`.
  glm::mat3 SegmentMatrix(glm::vec2 from, glm::vec2 to, float lengthFactor, Drawing drawing, float sign) const;
  void SubmitSegment(Graphics::Graphics& renderer, const glm::mat3& toView, const glm::mat3& segment, float sortY,
                     Drawing drawing);

  bool updateOnDraw = false;
  glm::vec2 aim{0.0f, -1.0f};
  std::string upperTexture;
  std::string lowerTexture;
  std::string upperBackTexture;
  std::string lowerBackTexture;
  float scale = 0.75f;
  float verticalOffset = 0.0f;
  int upperPixelLength = 19;
  int lowerPixelLength = 19;
  float shoulderOffset = 15.0f;
  float shoulderWidth = 13.0f;
  float elbowOffset = 0.0f;
  float elbowWidth = 25.0f;
  float handOffset = 0.0f;
  float handWidth = 40.0f;
  float armScale = 1.0f;

  bool dead = false;
  bool visible = true;
  std::array<Graphics::InstanceData, DrawingCount> records{};
  std::array<float, DrawingCount> drawingHeights{};  // pixels
  float effScale = 0.75f;
  float armWidth = 0.75f;  // world units per pixel of a drawing's height
  float upperLengthFactor = 0.05f;
  float lowerLengthFactor = 0.05f;
  float yOrderOffset = 0.0f;
  Ring shoulderRing;
  Ring elbowRing;
  Ring handRing;
  std::array<Arm, 2> arms;
  Transient<Graphics::Layer*> layer = nullptr;
  Transient<Graphics::Graphics*> layerFrom = nullptr;  // the renderer `layer` belongs to
  float previewClock = 0.0f;                // seconds of preview drawn
};
