#version 410 core
// One textured quad per instance. The rows of the instance's affine transform arrive as four
// attributes; the picture's rectangle arrives in atlas pixels and is normalised here.
layout(location = 6) in vec2 corner;  // a corner of the unit quad, each coordinate -0.5 or 0.5
layout(location = 0) in vec4 uvRect;  // left x, lower y (y + h), right x, upper y (y); y runs down the image
layout(location = 1) in vec4 row0;
layout(location = 2) in vec4 row1;
layout(location = 3) in vec4 row2;
layout(location = 4) in vec4 row3;
layout(location = 5) in vec4 color;
layout(location = 7) in float sortY;

uniform mat4 projection;
uniform sampler2D atlass;

out vec2 textureCoordinate;
out vec4 tint;

void main()
{
  vec4 point = vec4(corner, 0.0, 1.0);
  gl_Position = projection * vec4(dot(row0, point), dot(row1, point), 0.0, 1.0);

  // The atlas is stored top row first, so the upper corner takes the rectangle's upper y.
  vec2 atlasSize = vec2(textureSize(atlass, 0));
  float u = mix(uvRect.x, uvRect.z, corner.x + 0.5);
  float v = mix(uvRect.y, uvRect.w, corner.y + 0.5);
  textureCoordinate = vec2(u, v) / atlasSize;
  tint = color;
}
