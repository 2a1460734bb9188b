#version 410 core
// One light per instance, added into a texture that starts at the layer's ambient level.
layout(location = 0) in vec2 corner;       // a corner of the unit quad, each coordinate -0.5 or 0.5
layout(location = 1) in vec4 row0;
layout(location = 2) in vec4 row1;
layout(location = 3) in vec4 row2;
layout(location = 4) in vec4 row3;
layout(location = 5) in vec4 color;
layout(location = 6) in vec4 falloff;      // c1, c2, c3, c4
layout(location = 7) in vec4 extra;        // three unused floats, then the direction
layout(location = 8) in uint lightType;

// This program's projection is uploaded transposed, so the point multiplies it from the left.
uniform mat4 projection;

out vec2 local;
out vec4 lightColor;
out vec4 lightFalloff;
out float lightDirection;
flat out uint type;

void main()
{
  vec4 point = vec4(corner, 0.0, 1.0);
  gl_Position = vec4(dot(row0, point), dot(row1, point), 0.0, 1.0) * projection;
  local = corner * 2.0;
  lightColor = color;
  lightFalloff = falloff;
  lightDirection = extra.w;
  type = lightType;
}
