#version 410 core
// One light polygon: the fan of points a Light's rays reached, relative to its centre.
layout(location = 0) in vec2 point;

uniform mat4 projection;
uniform mat4 camera;   // the rows of the camera's affine transform, uploaded as stored
uniform vec2 centre;   // the light's world position

out vec2 fromCentre;

void main()
{
  vec4 world = vec4(point + centre, 0.0, 1.0);
  // The camera's rows were stored as columns, so the point multiplies from the left.
  vec4 view = world * camera;
  gl_Position = projection * vec4(view.xy, 0.0, 1.0);
  fromCentre = point;
}
